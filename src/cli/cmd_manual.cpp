#include <QFile>
#include <cstdio>

#include "cli/Commands.h"
#include "cli/MeterArgs.h"
#include "cli/MeterSession.h"
#include "core/memory/ManualDownload.h"
#include "core/record/DataFile.h"
#include "core/record/SetFile.h"

namespace montira::cli {

namespace {

bool WriteRows(const QString& path, bool fahrenheit, const TextTable& rows) {
    QFile f(path);
    const bool ok = f.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                    WriteSetFile(f, {}, {}, {}, DataFileHeading(!fahrenheit), rows);
    if (ok) f.close();
    if (ok && f.error() == QFileDevice::NoError) return true;
    std::fprintf(stderr, "montira-cli manual: %s: %s\n", qPrintable(path),
                 qPrintable(f.errorString()));
    return false;
}

}  // namespace

// montira-cli manual --port DEV --out FILE [--fahrenheit]: downloads the manual records and
// writes them as the manual-records list's "Save" writes its visible grid.
int RunManual(const QStringList& args) {
    ManualArgs a;
    QString message;
    if (!ParseManualArgs(args, a, message)) {
        std::fputs(qPrintable(message), stderr);
        return kUsage;
    }
    MeterSession m(a.port);
    if (const int code = m.start("manual", a.timeout); code != kDone) return code;

    ManualDump dump;
    const ManualOutcome outcome = DownloadManual(m.port, m.clock, m.state, dump);
    switch (outcome) {
        case ManualOutcome::Done:
        case ManualOutcome::Incomplete:
            break;
        case ManualOutcome::NothingStored:
            std::fprintf(stderr, "%s\n", qPrintable(NothingStoredText()));
            return kNothingStored;
        case ManualOutcome::Refused:
            std::fputs("montira-cli manual: o medidor está registrando\n", stderr);
            return kFailure;
        case ManualOutcome::Offline:
        case ManualOutcome::NoAnswer:
            return NoMeter();
    }
    m.port.close();
    TextTable celsius, fahrenheit;
    DecodeManualRows(dump, m.state.live.calibration, celsius, fahrenheit);
    if (!WriteRows(a.out, a.fahrenheit, a.fahrenheit ? fahrenheit : celsius)) return kFailure;
    // A dump that stopped short: its complete records were written, but it is not a success.
    return outcome == ManualOutcome::Done ? kDone : NoMeter();
}

}  // namespace montira::cli
