#include "core/memory/ManualDownload.h"

#include <QCoreApplication>
#include <algorithm>

#include "core/meter/Commands.h"
#include "core/meter/LiveFrame.h"
#include "core/meter/Protocol.h"
#include "core/record/DataFile.h"

namespace montira {

namespace {

int Byte(const QByteArray& b, qsizetype i) {
    return i < b.size() ? int(uint8_t(b[i])) : 0;
}
int Word(const QByteArray& b, qsizetype i) {
    return Byte(b, i) * 256 + Byte(b, i + 1);
}
QString TwoDigits(int v) {
    return (QStringLiteral("0") + QString::number(v)).right(2);
}
QString Joined(const QByteArray& b, qsizetype at, QChar sep) {
    return TwoDigits(Byte(b, at)) + sep + TwoDigits(Byte(b, at + 1)) + sep +
           TwoDigits(Byte(b, at + 2));
}

}  // namespace

std::optional<ManualOutcome> ManualRefusal(const AppState& state) {
    if (state.live.flags.FlagRun || state.link.KeypadBusy) return ManualOutcome::Refused;
    if (!state.link.MeterOnline) return ManualOutcome::Offline;
    return std::nullopt;
}

DownloadManual::DownloadManual(AppState& state, ManualHooks hooks)
    : Exchange(state.link), run_(state.live.flags.FlagRun), hooks_(std::move(hooks)) {}

void DownloadManual::end(ManualOutcome o) {
    outcome_ = o;
    if (dump_) out_.bytes = dump_->dump();
    run_ = false;
    finish();
}

void DownloadManual::abandoning() {
    outcome_ = dump_ ? ManualOutcome::Incomplete : ManualOutcome::NoAnswer;
    if (dump_) out_.bytes = dump_->dump();
    run_ = false;
}

void DownloadManual::step(qint64 now) {
    switch (state()) {
        case Begin:
            run_ = true;
            out_ = ManualDump{};
            boundSilence(now, kExchangeSilenceMs);
            [[fallthrough]];
        case Ask:
            // "S" until the first byte is 'Z', or 'Y' with the count after it; other replies
            // ask again.
            handshake(now, Letter);
            return;
        case Letter:
            if (!answered()) return end(ManualOutcome::NoAnswer);
            ask(now, cmd::ManualQuery, Read);
            return;
        case Read: {
            const QByteArray r = take();
            const char flag = r.isEmpty() ? 0 : r[reply::kManualFlag];
            if (flag == reply::kManualNone) return end(ManualOutcome::NothingStored);
            // 'Y' without its count is a reply cut short, not an answer of no records.
            if (flag != reply::kManualStored || r.size() <= reply::kManualCount) {
                if (quiet(now)) return end(ManualOutcome::NoAnswer);
                return go(Ask, now);
            }
            out_.count = Byte(r, reply::kManualCount);
            if (hooks_.begin) hooks_.begin(out_.count);
            dump_.emplace(qint64(out_.count) * reply::kManualRecordBytes);
            progress(now, kExchangeSilenceMs);
            handshake(now, DumpLetter);
            return;
        }
        case DumpLetter:
            if (!answered()) return end(ManualOutcome::Incomplete);
            ask(now, cmd::ManualDump, Receive);
            return;
        default:  // Receive: the first look after the letter's pause, or the silence bound
            if (!quiet(now)) progress(now, kExchangeSilenceMs);
            check(now);
    }
}

void DownloadManual::arrived(qint64 now) {
    if (state() == Receive && dump_) check(now);
}

void DownloadManual::check(qint64 now) {
    const QByteArray chunk = take();
    if (!chunk.isEmpty()) {
        dump_->add(chunk);
        progress(now, kExchangeSilenceMs);
    }
    if (hooks_.progress) hooks_.progress(dump_->received(), dump_->expected());
    if (dump_->complete()) return end(ManualOutcome::Done);
    // Live frames where records should go on: the meter stopped the dump there.
    if (dump_->cut()) return end(ManualOutcome::Incomplete);
    // Silent or gone. A dump whose bytes all came is whole: the start bytes of a frame among
    // its last ones, never confirmed by an end byte, make no frame.
    if (quiet(now)) return end(dump_->filled() ? ManualOutcome::Done : ManualOutcome::Incomplete);
    untilQuiet(Receive);
}

int DecodeManualRows(const ManualDump& dump, const ProbeCalibration& calibration,
                     TextTable& celsius, TextTable& fahrenheit) {
    using namespace reply;
    const int complete =
        int(std::min<qsizetype>(dump.count, dump.bytes.size() / kManualRecordBytes));
    const QByteArray& b = dump.bytes;
    Reading r;  // never the live one
    for (int i = complete; i >= 1; --i) {
        const qsizetype at = qsizetype(i - 1) * kManualRecordBytes;
        const double offset = (Word(b, at + kManualOffsetA) - Word(b, at + kManualOffsetB)) / 100.0;
        const double zero = Word(b, at + kManualZero) / 100.0;
        DecodeStoredRecord(r, calibration, Word(b, at + kManualGlobe), Word(b, at + kManualDry),
                           Word(b, at + kManualWet), Word(b, at + kManualSpeedCount), zero, offset);
        const QStringList head{QString::number(complete - i + 1), Joined(b, at + kManualDate, '/'),
                               Joined(b, at + kManualTime, ':')};
        celsius.appendRow(head + ReadingFields(r, true));
        fahrenheit.appendRow(head + ReadingFields(r, false));
    }
    return complete;
}

QString ManualProgressCaption(qint64 received, qint64 expected) {
    const double pct =
        expected > 0 ? double(std::min(received, expected)) * 100.0 / expected : 100.0;
    return QCoreApplication::translate("ManualDownload", "%1 % completas")
        .arg(QString::number(pct, 'f', 1));
}

QString NothingStoredText() {
    return QCoreApplication::translate("ManualDownload", "Não há dados armazenados na memória!");
}

}  // namespace montira
