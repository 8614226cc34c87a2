#include "core/link/NoData.h"

#include "core/meter/Commands.h"
#include "core/link/Handshake.h"
#include "core/link/PortName.h"
#include "core/meter/LiveFrame.h"

namespace montira {

namespace {

// A clock that also "stops" once a deadline has passed or the port failed under us, so the
// handshake of the clock check cannot hold the program for the 500 s of its 10000 attempts
// when the meter went quiet right after its frame.
class BoundedClock : public Clock {
public:
    BoundedClock(Clock& inner, const SerialPort& port, qint64 deadlineMs)
        : inner_(inner), port_(port), deadline_(deadlineMs) {}
    qint64 nowMs() const override { return inner_.nowMs(); }
    void delay(double seconds) override {
        if (!stopping()) inner_.delay(seconds);
    }
    void pump() override {
        if (!stopping()) inner_.pump();
    }
    bool stopping() const override {
        return inner_.stopping() || inner_.nowMs() >= deadline_ || port_.failed();
    }

private:
    Clock& inner_;
    const SerialPort& port_;
    qint64 deadline_;
};

void Call(const std::function<void()>& f) {
    if (f) f();
}

// True when the routine must give up at once.
bool MustLeave(NoDataContext& ctx) {
    return ctx.clock.stopping() || (ctx.interrupted && ctx.interrupted());
}

NoDataResult Why(NoDataContext& ctx) {
    return ctx.clock.stopping() ? NoDataResult::Stopping : NoDataResult::Interrupted;
}

NoDataResult Leave(NoDataContext& ctx, NoDataResult why) {
    if (ctx.hooks.setComVisible) ctx.hooks.setComVisible(true);
    return why;
}

// A handshake that gives up after kClockCheckHandshakeMs; false when the meter did not answer.
bool BoundedHandshake(NoDataContext& ctx) {
    BoundedClock bounded(ctx.clock, ctx.port, ctx.clock.nowMs() + kClockCheckHandshakeMs);
    return AttentionHandshake(ctx.port, bounded, ctx.state.link);
}

}  // namespace

bool ClockNeedsSetting(const QByteArray& reply) {
    return reply.size() >= 6 && (reply[1] == 0 || reply[2] == 0);
}

QByteArray ClockRepairBytes(const QByteArray& reply) {
    QByteArray b = reply.left(6);
    b.resize(6, '\0');
    b[1] = 1;
    b[2] = 1;
    return b;
}

NoDataResult NoDataRoutine(NoDataContext& ctx) {
    const PollHooks& h = ctx.hooks;
    LinkState& link = ctx.state.link;
    if (h.setTimerEnabled) h.setTimerEnabled(false);
    bool visible = true;
    qint64 lastOpenTry = ctx.clock.nowMs() - kReopenEveryMs;
    for (;;) {
        // Wait for a frame.
        if (h.setComCaption) h.setComCaption(QStringLiteral("Sem comunicação"));
        Call(h.closeLiveWindows);
        Call(h.stopRecording);
        ctx.state.Recording = false;
        do {
            if (MustLeave(ctx)) return Leave(ctx, Why(ctx));
            if (ctx.port.failed()) ctx.port.close();  // adapter pulled out: reopen below
            if (!ctx.port.isOpen() && ctx.clock.nowMs() - lastOpenTry >= kReopenEveryMs) {
                lastOpenTry = ctx.clock.nowMs();
                ctx.port.open();
            }
            visible = !visible;
            if (h.setComVisible) h.setComVisible(visible);
            Call(h.closeKeypad);
            ctx.clock.delay(0.05);
            if (MustLeave(ctx)) return Leave(ctx, Why(ctx));
            link.MeterOnline = false;
        } while (ctx.port.bytesWaiting() <= 0);
        const QByteArray d = ctx.port.readAll();
        if (!IsLiveFrameValid(d)) continue;

        // The meter is there: check its clock.
        if (MustLeave(ctx)) return Leave(ctx, Why(ctx));
        if (!BoundedHandshake(ctx)) {
            if (MustLeave(ctx)) return Leave(ctx, Why(ctx));
            continue;  // the meter went quiet again: wait anew
        }
        ctx.port.readAll();
        ctx.port.write(QByteArray(1, cmd::ReadClock));
        ctx.clock.delay(0.05);
        const QByteArray r = ctx.port.readAll();
        if (ClockNeedsSetting(r)) {
            if (!BoundedHandshake(ctx)) {
                if (MustLeave(ctx)) return Leave(ctx, Why(ctx));
                continue;
            }
            ctx.clock.delay(0.05);
            ctx.port.write(QByteArray(1, cmd::SetClock));
            ctx.clock.delay(0.05);
            ctx.port.write(ClockRepairBytes(r));
        }
        if (MustLeave(ctx)) return Leave(ctx, Why(ctx));
        break;
    }
    if (h.setComVisible) h.setComVisible(true);
    if (h.setComCaption) h.setComCaption(PortCaption(ctx.state.PortId));
    link.MeterOnline = true;
    link.LinkLost = false;
    if (h.setTimerEnabled) h.setTimerEnabled(true);
    return NoDataResult::Online;
}

}  // namespace montira
