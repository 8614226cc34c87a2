#pragma once
#include <functional>
#include <vector>

#include "core/link/Clock.h"

namespace montira {

// A clock for tests: time only moves when someone waits. Every wait advances the clock in
// small steps and runs the listeners at each step (the simulated meter produces its bytes
// there), so a 10000-attempt handshake runs in milliseconds of real time.
class VirtualClock : public Clock {
public:
    using Listener = std::function<void(qint64 nowMs)>;

    explicit VirtualClock(qint64 startMs = 0) : now_(startMs) {}
    qint64 nowMs() const override { return now_; }
    void delay(double seconds) override;
    // Advances 1 ms (a read loop's turn).
    void pump() override;
    // Moves time forward by `ms`, in steps of at most `stepMs`, running listeners each step.
    void advance(qint64 ms);
    // Returns an id for removeListener (a listener that dies before the clock must go).
    int addListener(Listener l);
    void removeListener(int id);
    // When true, every wait also processes pending Qt events (for window tests).
    void setProcessEvents(bool on) { processEvents_ = on; }
    void setStepMs(qint64 step) { stepMs_ = step > 0 ? step : 1; }
    // Total number of delay() calls and the seconds they asked for, for tests.
    int delayCalls() const { return delayCalls_; }

private:
    void step(qint64 ms);
    qint64 now_;
    qint64 stepMs_ = 1;
    bool processEvents_ = false;
    int delayCalls_ = 0;
    std::vector<std::pair<int, Listener>> listeners_;
    int nextListenerId_ = 1;
};

}  // namespace montira
