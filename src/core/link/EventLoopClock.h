#pragma once
#include <QElapsedTimer>
#include <vector>

#include "core/link/Clock.h"

class QEventLoop;

namespace montira {

// The real clock: a monotonic timer, and waits that sleep in a nested event loop (no busy
// loop, so the program idles near 0 % CPU).
class EventLoopClock : public Clock {
public:
    EventLoopClock();
    qint64 nowMs() const override;
    void delay(double seconds) override;
    void pump() override;
    void requestStop() override;

private:
    QElapsedTimer timer_;
    std::vector<QEventLoop*> waiting_;  // nested waits in progress, innermost last
};

}  // namespace montira
