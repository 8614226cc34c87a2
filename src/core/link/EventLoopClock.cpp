#include "core/link/EventLoopClock.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

namespace montira {

EventLoopClock::EventLoopClock() {
    timer_.start();
}

qint64 EventLoopClock::nowMs() const {
    return timer_.elapsed();
}

void EventLoopClock::delay(double seconds) {
    QCoreApplication* app = QCoreApplication::instance();
    if (stopping() || !(seconds > 0) || !std::isfinite(seconds)) {
        if (app) QCoreApplication::processEvents();
        return;
    }
    const qint64 ms = seconds > 86400.0 ? 86400000 : qint64(std::llround(seconds * 1000.0));
    // The end is on the monotonic timer: midnight or a changed system clock never stretch it.
    const qint64 end = nowMs() + ms;
    if (!app) {  // no event loop to keep alive (a tool without QCoreApplication)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        return;
    }
    // A nested loop that a single-shot timer ends; precise timers keep 50 ms waits near 50 ms.
    // The loop sleeps in the event dispatcher, so waiting costs no CPU.
    QEventLoop loop;
    QTimer t;
    t.setSingleShot(true);
    t.setTimerType(Qt::PreciseTimer);
    QObject::connect(&t, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(app, &QCoreApplication::aboutToQuit, &loop, &QEventLoop::quit);
    waiting_.push_back(&loop);
    while (!stopping()) {
        const qint64 left = end - nowMs();
        if (left <= 0) break;
        t.start(int(left));
        loop.exec();
    }
    waiting_.erase(std::find(waiting_.begin(), waiting_.end(), &loop));
}

void EventLoopClock::requestStop() {
    Clock::requestStop();
    for (QEventLoop* l : waiting_) l->quit();
}

void EventLoopClock::pump() {
    // Sleep up to 5 ms in the event loop: the read loops only need a few milliseconds of
    // granularity and this keeps the CPU idle.
    delay(0.005);
}

}  // namespace montira
