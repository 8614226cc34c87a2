#include <QDateTime>
#include <cstdio>

#include "cli/Commands.h"
#include "cli/MeterArgs.h"
#include "cli/MeterSession.h"
#include "core/memory/MeterSettings.h"

namespace montira::cli {

// montira-cli clock --port DEV [--set] [--timeout S]: prints the meter's clock as
// "YY/MM/DD hh:nn:ss"; with --set sends the computer's clock and prints what it sent.
int RunClock(const QStringList& args) {
    ClockArgs a;
    QString message;
    if (!ParseClockArgs(args, a, message)) {
        std::fputs(qPrintable(message), stderr);
        return kUsage;
    }
    MeterSession m(a.port);
    if (const int code = m.start("clock", a.timeout); code != kDone) return code;
    if (const int code = m.refuseDuringRun("clock"); code != kDone) return code;
    if (a.set) {
        const QDateTime now = QDateTime::currentDateTime();
        SetMeterClock set(m.state.link, now);
        m.run(set);
        if (!set.sent()) {
            std::fputs("montira-cli clock: a hora não chegou ao medidor\n", stderr);
            return NoMeter();
        }
        std::printf("%s\n", qPrintable(ComputerClockText(now)));
        return kDone;
    }
    ReadMeterClock read(m.state.link);
    m.run(read);
    const QString text = MeterClockText(read.clock());
    if (text.isEmpty()) return NoMeter();
    std::printf("%s\n", qPrintable(text));
    return kDone;
}

}  // namespace montira::cli
