#include "core/tables/ProgressPace.h"

#include <algorithm>

namespace montira {

ProgressPace::ProgressPace(Now now, qint64 everyMs, int stride)
    : now_(std::move(now)), everyMs_(everyMs), stride_(std::max(1, stride)) {
    timer_.start();  // QElapsedTimer uses the monotonic clock where there is one
    next_ = nowMs() + everyMs_;
}

bool ProgressPace::due() {
    if (++calls_ < stride_) return false;
    calls_ = 0;
    const qint64 now = nowMs();
    if (now < next_) return false;
    next_ = now + everyMs_;
    return true;
}

}  // namespace montira
