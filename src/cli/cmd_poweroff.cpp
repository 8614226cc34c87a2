#include <cstdio>

#include "cli/Commands.h"
#include "cli/MeterSession.h"
#include "cli/Options.h"
#include "core/memory/MeterSettings.h"

namespace montira::cli {

// montira-cli poweroff --port DEV [--set N]: prints the meter's auto power-off time in
// seconds, or sets it (clamped to 1..65535).
int RunPowerOff(const QStringList& args) {
    Options o;
    QString error;
    double timeout = 30;
    bool ok = ParseOptions(args, {"--port", "--set", "--timeout"}, {}, o, error) &&
              ReadSeconds(o, "--timeout", timeout, error);
    if (ok && o.value("--port").isEmpty()) ok = false, error = "--port é obrigatório";
    RangedAnswer answer;
    if (ok && o.has("--set")) {
        answer = ParseRangedAnswer(o.value("--set"), kMaxPowerOffSeconds);
        if (answer.kind != RangedAnswer::Value) ok = false, error = "valor inválido para --set";
    }
    if (!ok) {
        std::fprintf(stderr,
                     "montira-cli poweroff: %s\nuso: montira-cli poweroff --port DISPOSITIVO "
                     "[--set N] [--timeout S]\n",
                     qPrintable(error));
        return kUsage;
    }

    MeterSession m(o.value("--port"));
    if (const int code = m.start("poweroff", timeout); code != kDone) return code;
    if (const int code = m.refuseDuringRun("poweroff"); code != kDone) return code;
    if (answer.kind == RangedAnswer::Value) {
        SetPowerOff(m.port, m.clock, m.state.link, answer.value);
        if (!m.state.link.MeterOnline) return NoMeter();
        std::printf("%d\n", answer.value);
        return kDone;
    }
    const auto seconds = ReadPowerOff(m.port, m.clock, m.state.link);
    if (!seconds) return NoMeter();
    // As the window does when its input box is cancelled: the setting stays as it is.
    KeepPowerOff(m.port, m.clock, m.state.link);
    std::printf("%d\n", *seconds);
    return kDone;
}

}  // namespace montira::cli
