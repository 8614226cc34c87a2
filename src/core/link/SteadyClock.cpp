#include "core/link/SteadyClock.h"

#include <QTimer>
#include <algorithm>

namespace montira {

namespace {

class TimerAlarm : public Alarm {
public:
    TimerAlarm(const SteadyClock& clock, std::function<void()> ring) : clock_(clock) {
        timer_.setSingleShot(true);
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [this, ring = std::move(ring)] {
            // A timer may fire a little early; the alarm rings only once its time has come.
            const qint64 left = due_ - clock_.nowMs();
            if (left > 0) {
                timer_.start(int(std::min<qint64>(left, 86400000)));
                return;
            }
            ring();
        });
    }
    void at(qint64 ms) override {
        due_ = ms;
        timer_.start(int(std::clamp<qint64>(ms - clock_.nowMs(), 0, 86400000)));
    }
    void cancel() override { timer_.stop(); }

private:
    const SteadyClock& clock_;
    QTimer timer_;
    qint64 due_ = 0;
};

}  // namespace

std::unique_ptr<Alarm> SteadyClock::alarm(std::function<void()> ring) {
    return std::make_unique<TimerAlarm>(*this, std::move(ring));
}

}  // namespace montira
