#include "cli/LinkLoop.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <limits>

#include "core/link/MeterLink.h"
#include "core/link/Poll.h"

namespace montira::cli {

namespace {

// Runs `loop` unless `ended` is already set (the wait was over before the loop started),
// for at most `timeoutMs` when that is not negative.
void Exec(QEventLoop& loop, const bool& ended, qint64 timeoutMs) {
    if (ended) return;
    QTimer limit;
    limit.setSingleShot(true);
    limit.setTimerType(Qt::PreciseTimer);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    if (timeoutMs >= 0)
        limit.start(int(std::min<qint64>(timeoutMs, std::numeric_limits<int>::max())));
    loop.exec();
}

}  // namespace

bool RunExchange(MeterLink& link, Exchange& ex) {
    QEventLoop loop;
    bool ended = false;
    if (!link.run(ex, [&] {
            ended = true;
            loop.quit();
        }))
        return false;
    Exec(loop, ended, -1);
    if (!ended) link.cancel(ex);  // the loop was left from outside: `done` runs now
    return true;
}

bool AwaitFrame(MeterLink& link, Poll& poll, qint64 timeoutMs) {
    const int before = poll.framesShown();
    const std::function<void()> shown = poll.hooks().showValues;
    QEventLoop loop;
    bool ended = false;
    poll.hooks().showValues = [&] {
        if (shown) shown();
        ended = true;
        loop.quit();
    };
    link.setLive(&poll);
    Exec(loop, ended, timeoutMs);
    link.setLive(nullptr);
    poll.hooks().showValues = shown;
    return poll.framesShown() > before;
}

}  // namespace montira::cli
