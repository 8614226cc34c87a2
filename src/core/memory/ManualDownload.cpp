#include "core/memory/ManualDownload.h"

#include <QCoreApplication>
#include <algorithm>

#include "core/link/Handshake.h"
#include "core/memory/DumpReceiver.h"
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

enum class Query { Stored, None, Silent };

// "S" until the first byte is 'Z', or 'Y' with the count after it; other replies repeat it.
Query AskForRecords(SerialPort& port, DeadlineClock& quiet, LinkState& link, int& count) {
    for (;;) {
        const QByteArray r = AskMeter(port, quiet, link, cmd::ManualQuery);
        if (!link.MeterOnline) return Query::Silent;
        const char flag = r.isEmpty() ? 0 : r[reply::kManualFlag];
        if (flag == reply::kManualNone) return Query::None;
        // 'Y' without its count is a reply cut short, not an answer of no records.
        if (flag == reply::kManualStored && r.size() > reply::kManualCount) {
            count = Byte(r, reply::kManualCount);
            return Query::Stored;
        }
        if (quiet.stopping()) return Query::Silent;
    }
}

}  // namespace

ManualOutcome DownloadManual(SerialPort& port, Clock& clock, AppState& state, ManualDump& out,
                             const ManualHooks& hooks) {
    LinkState& link = state.link;
    bool& run = state.live.flags.FlagRun;
    if (run || link.KeypadBusy) return ManualOutcome::Refused;
    const PausedPoll paused(hooks.poll);  // started again after both marks are cleared
    const FlagGuard busy(link.KeypadBusy);
    if (!link.MeterOnline) return ManualOutcome::Offline;
    const FlagGuard downloading(run);

    DeadlineClock quiet(clock, kExchangeSilenceMs);
    out = ManualDump{};
    switch (AskForRecords(port, quiet, link, out.count)) {
        case Query::None:
            return ManualOutcome::NothingStored;
        case Query::Silent:
            return ManualOutcome::NoAnswer;
        case Query::Stored:
            break;
    }
    if (hooks.begin) hooks.begin(out.count);

    const qint64 expected = qint64(out.count) * reply::kManualRecordBytes;
    DumpReceiver dump(expected);
    const auto end = [&](ManualOutcome o) {
        out.bytes = dump.dump();
        return o;
    };
    quiet.progressed();
    dump.add(AskMeter(port, quiet, link, cmd::ManualDump));
    if (!link.MeterOnline) return end(ManualOutcome::Incomplete);
    quiet.progressed();
    for (;;) {
        if (hooks.progress) hooks.progress(dump.received(), expected);
        if (dump.complete()) return end(ManualOutcome::Done);
        // Live frames where records should go on: the meter stopped the dump there.
        if (dump.cut()) return end(ManualOutcome::Incomplete);
        // Silent or gone. A dump whose bytes all came is whole: the start bytes of a frame
        // among its last ones, never confirmed by an end byte, make no frame.
        if (quiet.stopping() || port.failed())
            return end(dump.filled() ? ManualOutcome::Done : ManualOutcome::Incomplete);
        clock.pump();
        const QByteArray chunk = port.readAll();
        if (!chunk.isEmpty()) {
            dump.add(chunk);
            quiet.progressed();
        }
    }
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
