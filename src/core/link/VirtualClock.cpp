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

void VirtualClock::pump() {
    advance(1);
}

void VirtualClock::advance(qint64 ms) {
    while (ms > 0 && !stopping()) {
        const qint64 s = std::min(ms, stepMs_);
        step(s);
        ms -= s;
    }
}

int VirtualClock::addListener(Listener l) {
    listeners_.emplace_back(nextListenerId_, std::move(l));
    return nextListenerId_++;
}

void VirtualClock::removeListener(int id) {
    listeners_.erase(std::remove_if(listeners_.begin(), listeners_.end(),
                                    [id](const auto& p) { return p.first == id; }),
                     listeners_.end());
}

void VirtualClock::step(qint64 ms) {
    now_ += ms;
    // By index: a listener may add or remove listeners.
    for (size_t i = 0; i < listeners_.size(); ++i) listeners_[i].second(now_);
    if (processEvents_ && QCoreApplication::instance()) QCoreApplication::processEvents();
}

}  // namespace montira
