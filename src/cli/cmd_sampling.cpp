#include <cstdio>

#include "cli/Commands.h"
#include "cli/MeterSession.h"
#include "cli/Options.h"
#include "core/memory/MeterSettings.h"

namespace montira::cli {

namespace {

constexpr const char* kUsageText =
    "uso: montira-cli sampling --port DISPOSITIVO [--minutes N | --seconds N] [--timeout S]\n";

void Print(bool byMinutes, int value) {
    std::printf("%s %d\n", byMinutes ? "minutes" : "seconds", value);
}

}  // namespace

// montira-cli sampling: prints "minutes M" or "seconds S" from the "J" reply; with a value
// sets the meter's logging interval, clamped and rounded as the input box does.
int RunSampling(const QStringList& args) {
    Options o;
    QString error;
    double timeout = 30;
    bool ok = ParseOptions(args, {"--port", "--minutes", "--seconds", "--timeout"}, {}, o, error) &&
              ReadSeconds(o, "--timeout", timeout, error);
    if (ok && o.value("--port").isEmpty()) ok = false, error = "--port é obrigatório";
    if (ok && o.has("--minutes") && o.has("--seconds"))
        ok = false, error = "--minutes e --seconds se excluem";
    const bool byMinutes = o.has("--minutes");
    RangedAnswer answer;
    if (ok && (byMinutes || o.has("--seconds"))) {
        const QString key = byMinutes ? "--minutes" : "--seconds";
        answer =
            ParseRangedAnswer(o.value(key), byMinutes ? kMaxSamplingMinutes : kMaxSamplingSeconds);
        if (answer.kind != RangedAnswer::Value)
            ok = false, error = QStringLiteral("valor inválido para %1").arg(key);
    }
    if (!ok) {
        std::fprintf(stderr, "montira-cli sampling: %s\n%s", qPrintable(error), kUsageText);
        return kUsage;
    }

    MeterSession m(o.value("--port"));
    if (const int code = m.start("sampling", timeout); code != kDone) return code;
    if (const int code = m.refuseDuringRun("sampling"); code != kDone) return code;
    if (answer.kind == RangedAnswer::Value) {
        Print(byMinutes, SetSampling(m.port, m.clock, m.state.link, byMinutes, answer.value));
        return kDone;
    }
    const auto s = ReadSampling(m.port, m.clock, m.state.link);
    if (!s) return NoMeter();
    Print(s->byMinutes(), s->byMinutes() ? s->minutes : s->seconds);
    return kDone;
}

}  // namespace montira::cli
