#include <cstdio>

#include "cli/Commands.h"
#include "cli/MeterArgs.h"
#include "cli/MeterSession.h"
#include "core/memory/MeterSettings.h"

namespace montira::cli {

// montira-cli poweroff --port DEV [--set N]: prints the meter's auto power-off time in
// seconds, or sets it (clamped to 1..65535).
int RunPowerOff(const QStringList& args) {
    PowerOffArgs a;
    QString message;
    if (!ParsePowerOffArgs(args, a, message)) {
        std::fputs(qPrintable(message), stderr);
        return kUsage;
    }

    MeterSession m(a.port);
    if (const int code = m.start("poweroff", a.timeout); code != kDone) return code;
    if (const int code = m.refuseDuringRun("poweroff"); code != kDone) return code;
    if (a.set) {
        SetPowerOff set(m.state.link, a.seconds);
        m.run(set);
        if (!set.sent()) {
            std::fputs("montira-cli poweroff: o valor não chegou ao medidor\n", stderr);
            return NoMeter();
        }
        std::printf("%d\n", a.seconds);
        return kDone;
    }
    ReadPowerOff read(m.state.link);
    m.run(read);
    const auto seconds = read.seconds();
    if (!seconds) return NoMeter();
    // As the window does when its input box is cancelled: the setting stays as it is.
    KeepPowerOff keep(m.state.link);
    m.run(keep);
    if (*seconds == kPowerOffUnknown) {  // the reply was cut short
        std::fputs("montira-cli poweroff: resposta incompleta do medidor\n", stderr);
        return NoMeter();
    }
    std::printf("%d\n", *seconds);
    return kDone;
}

}  // namespace montira::cli
