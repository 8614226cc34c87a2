#include "core/memory/LoggerDownload.h"

#include "core/link/DeadlineClock.h"
#include "core/link/Handshake.h"
#include "core/memory/DumpReceiver.h"
#include "core/memory/Exchange.h"
#include "core/meter/Commands.h"

namespace montira {

DownloadOutcome DownloadLogger(MeterLink& meter, AppState& state, LoggerMemory& out,
                               const DownloadHooks& hooks) {
    LinkState& link = state.link;
    if (!link.MeterOnline) return DownloadOutcome::Offline;
    if (state.live.flags.FlagRun || link.KeypadBusy) return DownloadOutcome::Refused;
    MeterLink::Lease lease = meter.take();
    SerialPort& port = lease.port();
    Clock& clock = lease.clock();
    link.KeypadBusy = true;
    const auto finish = [&](DownloadOutcome o) {
        link.KeypadBusy = false;
        lease.release();
        return o;
    };
    DeadlineClock quiet(clock, hooks.silenceMs);

    // Status: repeated until a well-formed 7-byte reply, or the meter stays silent too long.
    std::optional<MemoryStatus> status;
    while (!status) {
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
        if (hooks.nothingStored) hooks.nothingStored();
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

    DumpReceiver dump(expected);
    for (;;) {
        const QByteArray chunk = port.readAll();
        if (!chunk.isEmpty()) {
            dump.add(chunk);
            quiet.progressed();
        }
        if (clock.stopping()) return finish(DownloadOutcome::Aborted);  // the program closes
        // Live frames where the dump should go on: the meter stopped it there.
        if (dump.cut()) return finish(DownloadOutcome::Cut);
        if (hooks.progress) hooks.progress(dump.received(), expected);
        if (!link.MeterOnline || port.failed()) return finish(DownloadOutcome::Cut);
        if (hooks.cancelled && hooks.cancelled()) return finish(DownloadOutcome::Aborted);
        if (dump.complete()) break;
        if (quiet.stopping()) {
            // A dump whose bytes all came is whole: the start bytes of a frame among its last
            // ones, never confirmed by an end byte, make no frame.
            if (!dump.filled()) return finish(DownloadOutcome::Cut);
            break;
        }
        clock.pump();
    }

    out.MemoryDump = dump.dump();
    out.sets = SplitSets(out.MemoryDump, out.MemorySetCount);
    return finish(DownloadOutcome::Done);
}

bool EraseLogger(MeterLink& meter, qint64 silenceMs) {
    const MeterLink::Lease lease = meter.take();
    DeadlineClock quiet(lease.clock(), silenceMs);
    if (!AttentionHandshake(lease.port(), quiet, lease.state())) return false;
    lease.port().write(QByteArray(1, cmd::EraseLogger));
    return true;
}

}  // namespace montira
