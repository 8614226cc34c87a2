#include "core/link/Poll.h"

#include <exception>

#include "core/link/PortName.h"
#include "core/meter/LiveFrame.h"

namespace montira {

Poll::Poll(SerialPort& port, Clock& clock, LinkState& link, LiveState& live)
    : port_(port), clock_(clock), link_(link), live_(live) {}

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
    link_.LinkLost = true;
    link_.MeterOnline = false;
    if (port_.isOpen()) port_.close();
    if (hooks_.setTimerEnabled && !clock_.stopping()) hooks_.setTimerEnabled(true);
}

NoDataResult Poll::runNoData(int generation) {
    ++noDataRuns_;
    NoDataContext ctx{port_, clock_, link_, hooks_,
                      [this, generation] { return generation != interruptions_; }};
    return NoDataRoutine(ctx);
}

// One read attempt: wait half a second, drop what came, then look for frames in what arrives
// for up to a second. The newest whole frame of a read is taken; bytes before it, and broken
// frames, are passed over. Rejected frames count in `rejected`; at kPollRejectedFrames the
// attempt ends at once.
Poll::Collected Poll::collect(LiveFrame& frame, int& rejected, int generation) {
    clock_.delay(0.5);
    if (leaving(generation)) return Collected::Leave;
    if (port_.failed() || !port_.isOpen()) return Collected::Failed;
    port_.readAll();
    if (hooks_.setComCaption) hooks_.setComCaption(PortCaption(link_.PortId));
    port_.clear();
    scanner_.reset();
    const qint64 t0 = clock_.nowMs();
    qint64 received = 0;
    int rejectedHere = 0;
    do {
        const QByteArray in = port_.readAll();
        if (!in.isEmpty()) {
            received += in.size();
            const FrameScan scan = scanner_.consume(in, clock_.nowMs());
            framesRejected_ += scan.rejected;
            rejectedHere += scan.rejected;
            rejected += scan.rejected;
            if (!scan.frames.empty()) {
                frame = scan.frames.back();
                return Collected::Frame;
            }
            if (rejected >= kPollRejectedFrames) return Collected::Rejected;
        }
        clock_.pump();
        if (leaving(generation)) return Collected::Leave;
        if (port_.failed()) return Collected::Failed;
    } while (clock_.nowMs() - t0 < 1000);
    if (received < kLiveFrameLength) return Collected::Short;
    if (rejectedHere == 0) {
        // A second of bytes without a frame start: as broken as a frame with a wrong end.
        ++framesRejected_;
        ++rejected;
    }
    return Collected::Rejected;
}

void Poll::tickBody() {
    const int generation = interruptions_;
    if (link_.LinkLost) {
        if (runNoData(generation) != NoDataResult::Online) return;
    }
    int retries = 0;
    int rejected = 0;
    LiveFrame frame{};
    for (;;) {
        switch (collect(frame, rejected, generation)) {
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
            case Collected::Rejected:
                // The meter sends, but nothing that passes the check: a new attempt at once.
                retries = 0;
                link_.MeterOnline = true;
                if (rejected < kPollRejectedFrames) continue;
                if (runNoData(generation) == NoDataResult::Online) port_.readAll();
                return;
            case Collected::Frame:
                break;
        }
        link_.MeterOnline = true;
        DecodeLiveFrame(frame, live_);
        ++framesShown_;
        if (hooks_.showValues) hooks_.showValues();
        if (link_.KeypadOpen && hooks_.updateReplica) hooks_.updateReplica();
        return;
    }
}

}  // namespace montira
