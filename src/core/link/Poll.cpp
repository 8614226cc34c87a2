#include "core/link/Poll.h"

#include <algorithm>

#include "core/link/MeterLink.h"
#include "core/link/PortName.h"
#include "core/meter/Commands.h"

namespace montira {

namespace {

void Call(const std::function<void()>& f) {
    if (f) f();
}

}  // namespace

Poll::Poll(MeterLink& meter, LinkState& link, LiveState& live)
    : Exchange(link), meter_(meter), live_(live) {}

void Poll::suspended() {
    haveNewest_ = false;
    // A command took the link while the meter was awaited: the caption stays readable.
    if (state() >= NoDataRoutine && hooks_.setComVisible) hooks_.setComVisible(true);
}

void Poll::listen(qint64 now) {
    scanner_.reset();
    drop();
    if (hooks_.setComCaption) hooks_.setComCaption(PortCaption(link().PortId));
    rejected_ = skipped_ = 0;
    silentAt_ = now + kPollSilenceMs;
    haveNewest_ = false;
    lastShownAt_ = now - kPollShowEveryMs;
    wait(now, kPollSilenceMs, Listen);
}

void Poll::arrived(qint64 now) {
    if (state() == Listen || state() == Show) {
        if (portGone()) return lost(now);
        const FrameScan scan = scanner_.consume(take(), now);
        framesRejected_ += scan.rejected;
        rejected_ += scan.rejected;
        if (!scan.frames.empty()) {
            newest_ = scan.frames.back();
            haveNewest_ = true;
            rejected_ = skipped_ = 0;
            silentAt_ = now + kPollSilenceMs;
            link().MeterOnline = true;
            if (now - lastShownAt_ >= kPollShowEveryMs) return show(now);
            return wait(now, lastShownAt_ + kPollShowEveryMs - now, Show);
        }
        // A frame's worth of bytes without a frame start is as broken as a frame with a wrong
        // end byte. The bytes of a rejected frame are among the skipped ones: they count once.
        skipped_ += std::max(0, scan.skipped - scan.rejected * kLiveFrameLength);
        while (skipped_ >= kLiveFrameLength) {
            skipped_ -= kLiveFrameLength;
            ++rejected_;
            ++framesRejected_;
        }
        if (rejected_ >= kPollRejectedFrames) return lost(now);
        return;
    }
    if (state() == WaitForFrame) {
        const FrameScan scan = scanner_.consume(take(), now);
        if (!scan.frames.empty()) go(ClockHandshake, now);  // the meter is there
    }
}

void Poll::show(qint64 now) {
    // A frame kept back to keep the pace is not shown from a port that went away meanwhile.
    if (portGone()) return lost(now);
    lastShownAt_ = now;
    if (haveNewest_) {
        haveNewest_ = false;
        DecodeLiveFrame(newest_, live_);
        ++framesShown_;
        Call(hooks_.showValues);
    }
    wait(now, silentAt_ - now, Listen);
}

void Poll::lost(qint64 now) {
    link().LinkLost = true;
    link().MeterOnline = false;
    go(NoDataRoutine, now);
}

void Poll::blink(qint64 now) {
    if (port().failed()) meter_.close();  // adapter pulled out: reopen below
    if (!port().isOpen() && now - lastOpenTry_ >= kReopenEveryMs) {
        lastOpenTry_ = now;
        meter_.open();
    }
    visible_ = !visible_;
    if (hooks_.setComVisible) hooks_.setComVisible(visible_);
    Call(hooks_.closeKeypad);
    link().MeterOnline = false;
    // The frames are looked for as they arrive, not at every turn: the turns only blink the
    // caption (twice a second, under the three flashes a second that are safe to look at) and
    // try the port again.
    pause(now, kPollBlinkMs, WaitForFrame);
}

void Poll::step(qint64 now) {
    switch (state()) {
        case Begin:
            if (link().LinkLost) return go(NoDataRoutine, now);
            return listen(now);
        case Listen:  // no valid frame for kPollSilenceMs
            return lost(now);
        case Show:
            return show(now);
        case NoDataRoutine:
            ++noDataRuns_;
            visible_ = false;  // the first turn shows the caption
            lastOpenTry_ = now - kReopenEveryMs;
            [[fallthrough]];
        case AwaitMeter:
            // A clock check that gave up left its bound behind: the wait for frames has none.
            boundSilence(now, kNever);
            if (hooks_.setComCaption) hooks_.setComCaption(NoLinkCaption());
            Call(hooks_.closeLiveWindows);
            Call(hooks_.stopRecording);
            scanner_.reset();
            drop();
            return blink(now);
        case WaitForFrame:  // 50 ms passed without a valid frame
            return blink(now);
        case ClockHandshake:
            // The clock check cannot hold the program for the 500 s of the handshake's 10000
            // attempts when the meter went quiet right after its frame.
            boundSilence(now, kClockCheckHandshakeMs);
            return handshake(now, ClockLetter);
        case ClockLetter:
            if (!answered()) return go(AwaitMeter, now);  // quiet again: wait anew
            return ask(now, cmd::ReadClock, ClockRead);
        case ClockRead:
            clockReply_ = take();
            if (!ClockNeedsSetting(clockReply_)) return go(Online, now);
            boundSilence(now, kClockCheckHandshakeMs);
            return handshake(now, ClockSetAnswered);
        case ClockSetAnswered:
            if (!answered()) return go(AwaitMeter, now);
            return wait(now, kByteGapMs, ClockSetLetter);
        case ClockSetLetter:
            write(cmd::SetClock);
            return wait(now, kByteGapMs, ClockSetBytes);
        case ClockSetBytes:
            write(ClockRepairBytes(clockReply_));
            [[fallthrough]];
        default:  // Online
            boundSilence(now, kNever);
            if (hooks_.setComVisible) hooks_.setComVisible(true);
            link().MeterOnline = true;
            link().LinkLost = false;
            return listen(now);
    }
}

}  // namespace montira
