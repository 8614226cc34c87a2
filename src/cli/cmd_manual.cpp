#include <QFile>
#include <cstdio>

#include "cli/Commands.h"
#include "cli/MeterSession.h"
#include "cli/Options.h"
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
    Options o;
    QString error;
    double timeout = 30;
    bool ok = ParseOptions(args, {"--port", "--out", "--timeout"}, {"--fahrenheit"}, o, error) &&
              ReadSeconds(o, "--timeout", timeout, error);
    if (ok && (o.value("--port").isEmpty() || o.value("--out").isEmpty()))
        ok = false, error = "--port e --out são obrigatórios";
    if (!ok) {
        std::fprintf(stderr,
                     "montira-cli manual: %s\nuso: montira-cli manual --port DISPOSITIVO --out "
                     "ARQUIVO [--fahrenheit] [--timeout S]\n",
                     qPrintable(error));
        return kUsage;
    }
    MeterSession m(o.value("--port"));
    if (const int code = m.start("manual", timeout); code != kDone) return code;

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
    const bool f = o.flags.contains("--fahrenheit");
    if (!WriteRows(o.value("--out"), f, f ? fahrenheit : celsius)) return kFailure;
    // A dump that stopped short: its complete records were written, but it is not a success.
    return outcome == ManualOutcome::Done ? kDone : NoMeter();
}

}  // namespace montira::cli
