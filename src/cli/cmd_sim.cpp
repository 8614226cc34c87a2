#include <QCoreApplication>
#include <cstdio>

#include "cli/Commands.h"
#include "sim/PtyMeter.h"

namespace montira::cli {

namespace {

void SimUsage() {
    std::fputs(
        "uso: montira-cli sim [--pty] [--period SEGUNDOS] [--paced] [--empty-logger]\n"
        "                     [--full-logger] [--no-manual]\n",
        stderr);
}

}  // namespace

// montira-cli sim [--pty] [--period SECONDS]: the simulated meter on a new pseudo-terminal;
// prints its device path first and serves until killed. Further options: --paced (bytes at
// the 19200-baud wire rate), --empty-logger, --full-logger (126207 bytes in use), --no-manual
// (no manual records).
int RunSim(const QStringList& args) {
    double period = 0.25;
    bool paced = false, emptyLogger = false, fullLogger = false, noManual = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == "--pty") continue;  // the only transport there is
        if (a == "--paced") {
            paced = true;
        } else if (a == "--empty-logger") {
            emptyLogger = true;
        } else if (a == "--full-logger") {
            fullLogger = true;
        } else if (a == "--no-manual") {
            noManual = true;
        } else if (a == "--period") {
            if (i + 1 >= args.size()) {
                std::fputs("montira-cli sim: --period quer um valor em segundos\n", stderr);
                SimUsage();
                return kUsage;
            }
            bool ok = false;
            period = args[++i].toDouble(&ok);
            if (!ok || !(period >= 0.01) || period > 3600) {
                std::fprintf(stderr,
                             "montira-cli sim: --period %s: quer segundos entre 0.01 e 3600\n",
                             qPrintable(args[i]));
                return kUsage;
            }
        } else {
            std::fprintf(stderr, "montira-cli sim: argumento desconhecido: %s\n", qPrintable(a));
            SimUsage();
            return kUsage;
        }
    }
    if (emptyLogger && fullLogger) {
        std::fputs("montira-cli sim: --empty-logger e --full-logger se excluem\n", stderr);
        return kUsage;
    }
    sim::PtyMeter pty;
    sim::SimMeter& meter = pty.meter();
    meter.setFramePeriodMs(int(period * 1000));
    meter.faults().pacedAt19200 = paced;
    if (emptyLogger) meter.clearLogger();
    if (fullLogger) meter.fillLogger(sim::SimMeter::kLoggerFullBytes);
    if (noManual) meter.clearManualRecords();
    QString error;
    if (!pty.start(&error)) {
        std::fprintf(stderr, "montira-cli sim: %s\n", qPrintable(error));
        return kFailure;
    }
    std::printf("%s\n", qPrintable(pty.slavePath()));
    std::fflush(stdout);
    return QCoreApplication::exec();
}

}  // namespace montira::cli
