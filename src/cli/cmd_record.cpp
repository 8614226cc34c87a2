#include <QCoreApplication>
#include <QDateTime>
#include <QTimer>
#include <cstdio>
#include <limits>

#include "app/LiveSession.h"
#include "app/QuitSignals.h"
#include "cli/CommandArgs.h"
#include "cli/Commands.h"
#include "cli/Options.h"
#include "cli/Usage.h"
#include "core/AppState.h"
#include "core/link/Poll.h"
#include "core/link/QtSerialPort.h"
#include "core/link/SteadyClock.h"

namespace montira::cli {

// montira-cli record: the main window's start sequence (wait for a valid frame, check the
// meter's clock), then K samples written by the same recorder and sample tick as the main
// window, one every N ticks of 0.98 s.
int RunRecord(const QStringList& args) {
    RecordArgs a;
    QString error;
    if (!ParseRecordArgs(args, a, error)) return Refuse("record", error);

    AppState state;
    state.link.PortId = a.port;
    state.CelsiusMode = !a.fahrenheit;
    state.SampleInterval = a.interval;
    state.SampleTick = 0;
    SteadyClock clock;
    QtSerialPort port(a.port);
    if (!OpenMeterDevice(port, "record")) return kFailure;

    LiveSession session(state, port, clock);
    Recorder& recorder = session.recorder();
    QTimer watchdog;
    watchdog.setInterval(200);

    int exitCode = kDone;
    bool started = false;
    qint64 lastFrameMs = clock.nowMs();
    auto finish = [&](int code, const QString& message) {
        if (clock.stopping()) return;  // already finishing
        if (!message.isEmpty()) std::fprintf(stderr, "%s\n", qPrintable(message));
        exitCode = code;
        watchdog.stop();
        session.stop();  // an exchange in progress ends at once
        QCoreApplication::exit(code);
    };

    session.poll().hooks().showValues = [&] {
        lastFrameMs = clock.nowMs();
        if (started) return;
        started = true;
        recorder.applySaveDialog(true, a.out);
        if (!recorder.start()) {
            finish(kFailure, QStringLiteral("montira-cli record: %1").arg(recorder.lastError()));
            return;
        }
        session.startSampling();
    };
    session.ticker().recordError = [&](const QString& message) { finish(kFailure, message); };
    // After each sample tick: the meter went silent (the recording ended), or enough samples.
    QObject::connect(session.timer2(), &QTimer::timeout, [&] {
        if (clock.stopping()) return;
        if (started && !state.Recording) {
            finish(kNoMeter, QStringLiteral("Sem comunicação"));
            return;
        }
        if (state.Recording && recorder.RecordCount >= a.samples) finish(kDone, QString());
    });
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        if (clock.nowMs() - lastFrameMs > qint64(a.timeout * 1000))
            finish(kNoMeter, QStringLiteral("Sem comunicação"));
    });

    // SIGINT and SIGTERM close the recording with every sample taken, release the port and
    // its lock file, and end with the shell's code for the signal (128 + its number).
    QuitSignals quitSignals;
    quitSignals.onSignal = [&](int signal) {
        const QString kept = state.Recording ? QStringLiteral("; %1 amostra(s) em %2")
                                                   .arg(recorder.RecordCount)
                                                   .arg(recorder.currentFilePath())
                                             : QString();
        finish(128 + signal, QStringLiteral("montira-cli record: interrompido por %1%2")
                                 .arg(QLatin1String(SignalName(signal)), kept));
    };

    session.start();
    session.stopSampling();  // the sample tick starts with the first frame
    watchdog.start();
    QCoreApplication::exec();
    session.link().close();
    return exitCode;
}

}  // namespace montira::cli
