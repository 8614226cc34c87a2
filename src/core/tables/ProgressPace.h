#pragma once
#include <QElapsedTimer>
#include <functional>

namespace montira {

// Paces the progress reports of a long loop by time rather than by count: due() is true about
// every `everyMs` on a monotonic clock, so a caption counts as often on a short file as on a
// long one. The clock is looked at only every `stride` calls, which keeps a loop of cheap
// steps (a line of a file) from paying for it at every step.
class ProgressPace {
public:
    static constexpr qint64 kEveryMs = 100;
    using Now = std::function<qint64()>;  // milliseconds; a test's clock

    explicit ProgressPace(Now now = {}, qint64 everyMs = kEveryMs, int stride = 64);
    bool due();

private:
    qint64 nowMs() const { return now_ ? now_() : timer_.elapsed(); }

    Now now_;
    QElapsedTimer timer_;
    qint64 everyMs_;
    int stride_;
    int calls_ = 0;
    qint64 next_ = 0;
};

}  // namespace montira
