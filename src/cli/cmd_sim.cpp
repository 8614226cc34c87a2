#include <QCoreApplication>
#include <cstdio>

#include "cli/Commands.h"
#include "sim/PtyMeter.h"

namespace montira::cli {

// montira-cli sim [--pty] [--period SECONDS] [--paced]: the simulated meter on a new
// pseudo-terminal; prints its device path first and serves until killed.
int RunSim(const QStringList& args) {
    double period = 0.25;
    bool paced = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == "--pty") continue;
        if (a == "--paced") {
            paced = true;
            continue;
        }
        if (a == "--period" && i + 1 < args.size()) {
            bool ok = false;
            period = args[++i].toDouble(&ok);
            if (!ok || !(period > 0) || period > 3600) {
                std::fputs("montira-cli sim: --period quer segundos (> 0)\n", stderr);
                return kUsage;
            }
            continue;
        }
        std::fprintf(stderr, "montira-cli sim: argumento desconhecido: %s\n", qPrintable(a));
        return kUsage;
    }
    sim::PtyMeter pty;
    pty.meter().setFramePeriodMs(int(period * 1000));
    pty.meter().faults().pacedAt19200 = paced;
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
