#pragma once
#include <QElapsedTimer>

#include "core/link/Clock.h"

namespace montira {

// The real clock: a monotonic timer, and alarms on precise single-shot timers of the event
// loop (so 50 ms between two bytes stays near 50 ms, and waiting costs no CPU).
class SteadyClock : public Clock {
public:
    SteadyClock() { timer_.start(); }
    qint64 nowMs() const override { return timer_.elapsed(); }
    std::unique_ptr<Alarm> alarm(std::function<void()> ring) override;

private:
    QElapsedTimer timer_;
};

}  // namespace montira
