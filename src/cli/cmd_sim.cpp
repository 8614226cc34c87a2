#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <algorithm>
#include <cstdio>
#include <random>

#include "cli/Commands.h"
#include "cli/SimArgs.h"
#include "sim/PtyMeter.h"

namespace montira::cli {

namespace {

// Random bytes that never begin a frame (no 0xFF), so that the stray run itself cannot
// pass for one.
QByteArray Garbage(int n, std::mt19937& rng) {
    QByteArray g(n, '\0');
    for (char& c : g) c = char(rng() % 255);
    return g;
}

// One fault command read from standard input (--control):
//   silence MS [AFTER_BYTES [LETTER]]   the line falls silent for MS milliseconds
//   garbage N | broken N | flood N       N stray bytes, N frames ending in 4, N bytes at once
//   hangup MS | move MS                  the terminal closes and a new one opens MS later
//                                        (move: never on the old path)
//   cut BYTES [MS]                       the next dumps ("T", "C") stop after BYTES bytes and
//                                        the frames come back MS later (none: silent after)
void Obey(const QByteArray& line, sim::PtyMeter& pty, std::mt19937& rng) {
    const QList<QByteArray> w = line.simplified().split(' ');
    const auto num = [&](int i, int fallback) {
        bool ok = false;
        const int v = i < w.size() ? w[i].toInt(&ok) : fallback;
        return ok ? std::clamp(v, 0, 1 << 24) : fallback;
    };
    if (w[0] == "silence") {
        pty.silenceFor(num(1, 1000), num(2, 0), w.size() > 3 ? w[3].at(0) : 0);
    } else if (w[0] == "garbage" || w[0] == "flood") {
        pty.sendRaw(Garbage(num(1, 1), rng));
    } else if (w[0] == "broken") {
        QByteArray frames;
        for (int i = 0; i < num(1, 1); ++i) {
            QByteArray f = pty.meter().currentFrame();
            f[f.size() - 1] = 4;
            frames += f;
        }
        pty.sendRaw(frames);
    } else if (w[0] == "cut") {
        sim::SimFaults& f = pty.meter().faults();
        f.cutDumpAfterBytes = num(1, 0);
        f.framesAfterCutMs = w.size() > 2 ? num(2, 0) : -1;
    } else if (w[0] == "hangup" || w[0] == "move") {
        pty.hangUp(num(1, 1000), w[0] == "move");
    } else if (!w[0].isEmpty()) {
        std::fprintf(stderr, "montira-cli sim: comando desconhecido: %s\n", w[0].constData());
    }
}

}  // namespace

// montira-cli sim [--pty] [--period SECONDS]: the simulated meter on a new pseudo-terminal;
// prints its device path first and serves until killed. Further options: --paced (bytes at
// the 19200-baud wire rate), --empty-logger, --full-logger (126207 bytes in use), --no-manual
// (no manual records), --link PATH (a symbolic link that follows the terminal), --control
// (fault commands on standard input; a new terminal's path is printed as it opens).
int RunSim(const QStringList& args) {
    SimArgs a;
    QString message;
    if (!ParseSimArgs(args, a, message)) {
        std::fputs(qPrintable(message), stderr);
        return kUsage;
    }
    sim::PtyMeter pty;
    sim::SimMeter& meter = pty.meter();
    meter.setFramePeriodMs(int(a.period * 1000));
    meter.faults().pacedAt19200 = a.paced;
    if (a.emptyLogger) meter.clearLogger();
    if (a.fullLogger) meter.fillLogger(sim::SimMeter::kLoggerFullBytes);
    if (a.noManual) meter.clearManualRecords();
    QString error;
    if (!pty.start(&error)) {
        std::fprintf(stderr, "montira-cli sim: %s\n", qPrintable(error));
        return kFailure;
    }
    if (!a.link.isEmpty() && !pty.setLinkPath(a.link)) {
        std::fprintf(stderr, "montira-cli sim: --link %s: não foi possível criar\n",
                     qPrintable(a.link));
        return kFailure;
    }
    pty.newPath = [](const QString& path) {
        std::printf("%s\n", qPrintable(path));
        std::fflush(stdout);
    };
    pty.newPath(pty.slavePath());

    std::mt19937 rng(20261207);
    QByteArray pending;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    input.setEnabled(a.control);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buf[256];
        const ssize_t n = ::read(STDIN_FILENO, buf, sizeof buf);
        if (n <= 0) {
            input.setEnabled(false);  // nobody will send more
            return;
        }
        pending.append(buf, int(n));
        for (int nl = pending.indexOf('\n'); nl >= 0; nl = pending.indexOf('\n')) {
            Obey(pending.left(nl), pty, rng);
            pending.remove(0, nl + 1);
        }
    });
    return QCoreApplication::exec();
}

}  // namespace montira::cli
