#include "core/memory/LoggerDownload.h"

#include <algorithm>

#include "core/link/Handshake.h"
#include "core/link/SilenceClock.h"
#include "core/meter/Commands.h"

namespace montira {

namespace {

void Call(const std::function<void()>& f) {
    if (f) f();
}

// The most the receive buffer reserves up front: a status reply may claim up to 16 MB.
constexpr qint64 kReserveLimit = 1 << 20;

}  // namespace

DownloadOutcome DownloadLogger(SerialPort& port, Clock& clock, AppState& state, LoggerMemory& out,
                               const DownloadHooks& hooks) {
    LinkState& link = state.link;
    if (!link.MeterOnline) return DownloadOutcome::Offline;
    if (state.live.flags.FlagRun || link.KeypadBusy) return DownloadOutcome::Refused;
    link.KeypadBusy = true;
    const auto finish = [&](DownloadOutcome o) {
        link.KeypadBusy = false;
        Call(hooks.startPoll);
        return o;
    };
    SilenceClock quiet(clock, hooks.silenceMs);

    // Status: repeated until a well-formed 7-byte reply, or the meter stays silent too long.
    std::optional<MemoryStatus> status;
    while (!status) {
        Call(hooks.stopPoll);
        AttentionHandshake(port, quiet, link);
        port.readAll();
        port.write(QByteArray(1, cmd::LoggerStatus));
        quiet.delay(0.05);
        status = ParseMemoryStatus(port.readAll());
        if (!status && quiet.stopping()) return finish(DownloadOutcome::Aborted);
    }
    // Fewer than the fixed 2048 bytes in use cannot hold a set either.
    const qint64 expected = status->expected();
    if (expected <= 0) {
        Call(hooks.nothingStored);
        return finish(DownloadOutcome::NothingStored);
    }

    out = LoggerMemory{};
    out.MemoryUsed = status->MemoryUsed;
    out.MemorySetCount = status->MemorySetCount;
    if (hooks.begin) hooks.begin(*status);

    quiet.progressed();
    AttentionHandshake(port, quiet, link);
    port.readAll();
    port.write(QByteArray(1, cmd::LoggerDump));
    quiet.delay(0.05);
    quiet.progressed();

    QByteArray dump;
    dump.reserve(qsizetype(std::min(expected, kReserveLimit)));
    for (;;) {
        Call(hooks.stopPoll);
        const QByteArray chunk = port.readAll();
        if (!chunk.isEmpty()) {
            // Bytes past the dump (the live frames that follow it) are not part of it.
            dump += chunk.left(qsizetype(expected - dump.size()));
            quiet.progressed();
        }
        if (hooks.progress) hooks.progress(dump.size(), expected);
        if (!link.MeterOnline || port.failed()) return finish(DownloadOutcome::Aborted);
        if (hooks.cancelled && hooks.cancelled()) return finish(DownloadOutcome::Aborted);
        if (dump.size() >= expected) break;
        if (quiet.stopping()) return finish(DownloadOutcome::Aborted);
        clock.pump();
    }

    out.MemoryDump = std::move(dump);
    out.sets = SplitSets(out.MemoryDump, out.MemorySetCount);
    return finish(DownloadOutcome::Done);
}

void EraseLogger(SerialPort& port, Clock& clock, LinkState& link,
                 const std::function<void()>& stopPoll, const std::function<void()>& startPoll) {
    Call(stopPoll);
    SilenceClock quiet(clock, kLoggerSilenceMs);
    AttentionHandshake(port, quiet, link);
    port.write(QByteArray(1, cmd::EraseLogger));
    Call(startPoll);
}

}  // namespace montira
