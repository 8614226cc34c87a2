#include "core/link/Poll.h"

#include <exception>

#include "core/link/PortName.h"
#include "core/meter/LiveFrame.h"

namespace montira {

Poll::Poll(SerialPort& port, Clock& clock, AppState& state)
    : port_(port), clock_(clock), state_(state) {}

bool Poll::leaving(int generation) const {
    return clock_.stopping() || generation != interruptions_;
}

void Poll::tick() {
    if (running_ || clock_.stopping()) return;
    running_ = true;
    try {
        tickBody();
    } catch (const std::exception&) {
        errorPath();
    }
    running_ = false;
}

void Poll::errorPath() {
    state_.link.LinkLost = true;
    state_.link.MeterOnline = false;
    if (port_.isOpen()) port_.close();
    if (hooks_.setTimerEnabled && !clock_.stopping()) hooks_.setTimerEnabled(true);
}

NoDataResult Poll::runNoData(int generation) {
    ++noDataRuns_;
    NoDataContext ctx{port_, clock_, state_, hooks_,
                      [this, generation] { return generation != interruptions_; }};
    return NoDataRoutine(ctx);
}

// One read attempt: wait half a second, drop what came, then gather for up to a second.
Poll::Collected Poll::collect(QByteArray& s, int generation) {
    s.clear();
    clock_.delay(0.5);
    if (leaving(generation)) return Collected::Leave;
    if (port_.failed() || !port_.isOpen()) return Collected::Failed;
    port_.readAll();
    if (hooks_.setComCaption) hooks_.setComCaption(PortCaption(state_.PortId));
    port_.clear();
    const qint64 t0 = clock_.nowMs();
    do {
        s += port_.readAll();
        if (s.size() >= kLiveFrameLength) break;
        clock_.pump();
        if (leaving(generation)) return Collected::Leave;
        if (port_.failed()) return Collected::Failed;
    } while (clock_.nowMs() - t0 < 1000);
    return s.size() >= kLiveFrameLength ? Collected::Enough : Collected::Short;
}

void Poll::tickBody() {
    const int generation = interruptions_;
    if (state_.link.LinkLost) {
        if (runNoData(generation) != NoDataResult::Online) return;
    }
    int retries = 0;
    int rejected = 0;
    QByteArray s;
    for (;;) {
        switch (collect(s, generation)) {
            case Collected::Leave:
                return;
            case Collected::Failed:
                errorPath();
                return;
            case Collected::Short:
                if (retries < kPollRetries) {
                    ++retries;
                    continue;
                }
                // The fourth attempt came back short too: the meter is silent.
                if (runNoData(generation) == NoDataResult::Online) port_.readAll();
                return;
            case Collected::Enough:
                break;
        }
        retries = 0;
        state_.link.MeterOnline = true;
        if (!IsLiveFrameValid(s)) {
            ++framesRejected_;
            if (++rejected < kPollRejectedFrames) continue;  // a new attempt at once
            if (runNoData(generation) == NoDataResult::Online) port_.readAll();
            return;
        }
        DecodeLiveFrame(ToLiveFrame(s), state_.live);
        ++framesShown_;
        if (hooks_.showValues) hooks_.showValues();
        if (state_.KeypadOpen && hooks_.updateReplica) hooks_.updateReplica();
        return;
    }
}

}  // namespace montira
