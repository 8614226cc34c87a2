#include "core/link/NoData.h"

#include <QCoreApplication>

#include "core/link/DeadlineClock.h"
#include "core/link/Handshake.h"
#include "core/link/PortName.h"
#include "core/meter/Commands.h"
#include "core/meter/LiveFrame.h"

namespace montira {

namespace {

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
    // The clock check cannot hold the program for the 500 s of the handshake's 10000 attempts
    // when the meter went quiet right after its frame.
    DeadlineClock bounded(ctx.clock, kClockCheckHandshakeMs, &ctx.port);
    return AttentionHandshake(ctx.port, bounded, ctx.link);
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

QString NoLinkCaption() {
    return QCoreApplication::translate("montira", "Sem comunicação");
}

NoDataResult NoDataRoutine(NoDataContext& ctx) {
    const PollHooks& h = ctx.hooks;
    LinkState& link = ctx.link;
    if (h.setTimerEnabled) h.setTimerEnabled(false);
    bool visible = true;
    qint64 lastOpenTry = ctx.clock.nowMs() - kReopenEveryMs;
    for (;;) {
        // Wait for a frame.
        if (h.setComCaption) h.setComCaption(NoLinkCaption());
        Call(h.closeLiveWindows);
        Call(h.stopRecording);
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
    if (h.setComCaption) h.setComCaption(PortCaption(ctx.link.PortId));
    link.MeterOnline = true;
    link.LinkLost = false;
    if (h.setTimerEnabled) h.setTimerEnabled(true);
    return NoDataResult::Online;
}

}  // namespace montira
