#pragma once
#include <QElapsedTimer>

#include "core/link/Clock.h"

namespace montira {

// The real clock: a monotonic timer, and waits that sleep in a nested event loop (no busy
// loop, so the program idles near 0 % CPU).
class EventLoopClock : public Clock {
public:
    EventLoopClock();
    qint64 nowMs() const override;
    void delay(double seconds) override;
    void pump() override;

private:
    QElapsedTimer timer_;
};

}  // namespace montira
