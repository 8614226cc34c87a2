#include "core/memory/LoggerDownload.h"

#include "core/meter/Commands.h"

namespace montira {

std::optional<DownloadOutcome> DownloadRefusal(const AppState& state) {
    if (!state.link.MeterOnline) return DownloadOutcome::Offline;
    if (state.live.flags.FlagRun || state.link.KeypadBusy) return DownloadOutcome::Refused;
    return std::nullopt;
}

DownloadLogger::DownloadLogger(LinkState& link, LoggerMemory& out, DownloadHooks hooks)
    : Exchange(link), out_(out), hooks_(std::move(hooks)) {}

void DownloadLogger::end(DownloadOutcome o) {
    outcome_ = o;
    finish();
}

void DownloadLogger::step(qint64 now) {
    switch (state()) {
        case Begin:
            boundSilence(now, hooks_.silenceMs);
            [[fallthrough]];
        case Status:
            // Asked until a well-formed 7-byte reply, or the meter stays silent too long.
            handshake(now, StatusLetter);
            return;
        case StatusLetter:
            ask(now, cmd::LoggerStatus, StatusRead);
            return;
        case StatusRead: {
            const std::optional<MemoryStatus> status = ParseMemoryStatus(take());
            if (!status) {
                if (quiet(now)) return end(DownloadOutcome::Aborted);
                return go(Status, now);
            }
            // Fewer than the fixed 2048 bytes in use cannot hold a set either.
            const qint64 expected = status->expected();
            if (expected <= 0) {
                if (hooks_.nothingStored) hooks_.nothingStored();
                return end(DownloadOutcome::NothingStored);
            }
            out_ = LoggerMemory{};
            out_.MemoryUsed = status->MemoryUsed;
            out_.MemorySetCount = status->MemorySetCount;
            dump_.emplace(expected);
            if (hooks_.begin) hooks_.begin(*status);
            progress(now, hooks_.silenceMs);
            handshake(now, DumpLetter);
            return;
        }
        case DumpLetter:
            ask(now, cmd::LoggerDump, Receive);
            return;
        default:  // Receive: the first look after the letter's pause, or the silence bound
            if (deadline() == kNever && !quiet(now)) progress(now, hooks_.silenceMs);
            check(now);
    }
}

void DownloadLogger::arrived(qint64 now) {
    if (state() != Receive || !dump_) return;
    check(now);
}

void DownloadLogger::check(qint64 now) {
    const QByteArray chunk = take();
    if (!chunk.isEmpty()) {
        dump_->add(chunk);
        progress(now, hooks_.silenceMs);
    }
    // Live frames where the dump should go on: the meter stopped it there.
    if (dump_->cut()) return end(DownloadOutcome::Cut);
    if (hooks_.progress) hooks_.progress(dump_->received(), dump_->expected());
    if (!link().MeterOnline || portGone()) return end(DownloadOutcome::Cut);
    if (!dump_->complete() && quiet(now)) {
        // A dump whose bytes all came is whole: the start bytes of a frame among its last
        // ones, never confirmed by an end byte, make no frame.
        if (!dump_->filled()) return end(DownloadOutcome::Cut);
    } else if (!dump_->complete()) {
        return untilQuiet(Receive);
    }
    out_.MemoryDump = dump_->dump();
    out_.sets = SplitSets(out_.MemoryDump, out_.MemorySetCount);
    end(DownloadOutcome::Done);
}

EraseLogger::EraseLogger(LinkState& link, qint64 silenceMs)
    : Exchange(link), silenceMs_(silenceMs) {}

void EraseLogger::step(qint64 now) {
    if (state() == 0) {
        boundSilence(now, silenceMs_);
        return handshake(now, 1);
    }
    if (answered()) {
        write(cmd::EraseLogger);
        sent_ = true;
    }
    finish();
}

}  // namespace montira
