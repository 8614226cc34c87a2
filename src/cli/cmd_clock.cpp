#include <QDateTime>
#include <cstdio>

#include "cli/Commands.h"
#include "cli/MeterSession.h"
#include "cli/Options.h"
#include "core/memory/MeterSettings.h"

namespace montira::cli {

// montira-cli clock --port DEV [--set] [--timeout S]: prints the meter's clock as
// "YY/MM/DD hh:nn:ss"; with --set sends the computer's clock and prints what it sent.
int RunClock(const QStringList& args) {
    Options o;
    QString error;
    double timeout = 30;
    bool ok = ParseOptions(args, {"--port", "--timeout"}, {"--set"}, o, error) &&
              ReadSeconds(o, "--timeout", timeout, error);
    if (ok && o.value("--port").isEmpty()) ok = false, error = "--port é obrigatório";
    if (!ok) {
        std::fprintf(stderr,
                     "montira-cli clock: %s\nuso: montira-cli clock --port DISPOSITIVO "
                     "[--set] [--timeout S]\n",
                     qPrintable(error));
        return kUsage;
    }
    MeterSession m(o.value("--port"));
    if (const int code = m.start("clock", timeout); code != kDone) return code;
    if (const int code = m.refuseDuringRun("clock"); code != kDone) return code;
    if (o.flags.contains("--set")) {
        const QDateTime now = QDateTime::currentDateTime();
        if (!SetMeterClock(m.port, m.clock, m.state.link, now)) return NoMeter();
        std::printf("%s\n", qPrintable(ComputerClockText(now)));
        return kDone;
    }
    const QString text = MeterClockText(ReadMeterClock(m.port, m.clock, m.state.link));
    if (text.isEmpty()) return NoMeter();
    std::printf("%s\n", qPrintable(text));
    return kDone;
}

}  // namespace montira::cli
