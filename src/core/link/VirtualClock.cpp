#include "core/link/VirtualClock.h"

#include <algorithm>

namespace montira {

namespace {

class VirtualAlarm : public Alarm {
public:
    explicit VirtualAlarm(std::shared_ptr<VirtualClock::Slot> slot) : slot_(std::move(slot)) {}
    void at(qint64 ms) override { slot_->due = ms; }
    void cancel() override { slot_->due = -1; }

private:
    std::shared_ptr<VirtualClock::Slot> slot_;
};

}  // namespace

std::unique_ptr<Alarm> VirtualClock::alarm(std::function<void()> ring) {
    auto slot = std::make_shared<Slot>();
    slot->ring = std::move(ring);
    alarms_.push_back(slot);
    return std::make_unique<VirtualAlarm>(std::move(slot));
}

void VirtualClock::advance(qint64 ms) {
    while (ms > 0) {
        const qint64 s = std::min(ms, stepMs_);
        step(s);
        ms -= s;
    }
}

bool VirtualClock::advanceUntil(const std::function<bool()>& done, qint64 limitMs) {
    for (qint64 t = 0; t < limitMs; t += stepMs_) {
        if (done()) return true;
        step(stepMs_);
    }
    return done();
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
    // Alarms due now ring, each once; one that rings may set itself or others again, and a
    // time it sets that is already due rings in this same step.
    for (bool rang = true; rang;) {
        rang = false;
        alarms_.erase(std::remove_if(alarms_.begin(), alarms_.end(),
                                     [](const std::weak_ptr<Slot>& w) { return w.expired(); }),
                      alarms_.end());
        for (size_t i = 0; i < alarms_.size(); ++i) {
            const std::shared_ptr<Slot> s = alarms_[i].lock();
            if (!s || s->due < 0 || s->due > now_) continue;
            s->due = -1;
            rang = true;
            s->ring();
        }
    }
}

}  // namespace montira
