#pragma once
#include <functional>
#include <memory>
#include <vector>

#include "core/link/Clock.h"

namespace montira {

// A clock for tests and the in-process simulated meter: time only moves when advance() moves
// it, a millisecond (or `stepMs`) at a time; at each step the listeners run (the simulated
// meter produces its bytes there) and then the alarms that are due ring. A 10000-attempt
// handshake runs in milliseconds of real time, with no event loop.
class VirtualClock : public Clock {
public:
    using Listener = std::function<void(qint64 nowMs)>;

    explicit VirtualClock(qint64 startMs = 0) : now_(startMs) {}
    qint64 nowMs() const override { return now_; }
    std::unique_ptr<Alarm> alarm(std::function<void()> ring) override;

    // Moves time forward by `ms`, in steps of at most `stepMs`.
    void advance(qint64 ms);
    // Advances until `done` holds or `limitMs` have passed; true when it holds.
    bool advanceUntil(const std::function<bool()>& done, qint64 limitMs);
    // Returns an id for removeListener (a listener that dies before the clock must go).
    int addListener(Listener l);
    void removeListener(int id);
    void setStepMs(qint64 step) { stepMs_ = step > 0 ? step : 1; }

    struct Slot {
        qint64 due = -1;  // -1: not set
        std::function<void()> ring;
    };

private:
    void step(qint64 ms);
    qint64 now_;
    qint64 stepMs_ = 1;
    std::vector<std::pair<int, Listener>> listeners_;
    int nextListenerId_ = 1;
    std::vector<std::weak_ptr<Slot>> alarms_;
};

}  // namespace montira
