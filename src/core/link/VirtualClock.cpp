#include "core/link/VirtualClock.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace montira {

void VirtualClock::delay(double seconds) {
    ++delayCalls_;
    if (stopping() || !(seconds > 0) || !std::isfinite(seconds)) return;
    advance(qint64(std::llround(std::min(seconds, 86400.0) * 1000.0)));
}

void VirtualClock::pump() { advance(1); }

void VirtualClock::advance(qint64 ms) {
    while (ms > 0 && !stopping()) {
        const qint64 s = std::min(ms, stepMs_);
        step(s);
        ms -= s;
    }
}

void VirtualClock::step(qint64 ms) {
    now_ += ms;
    for (auto& l : listeners_) l(now_);
    if (processEvents_ && QCoreApplication::instance()) QCoreApplication::processEvents();
}

}  // namespace montira
