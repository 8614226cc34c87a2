#include <cstdio>

#include "cli/Commands.h"
#include "cli/MeterArgs.h"
#include "cli/MeterSession.h"
#include "core/memory/MeterSettings.h"

namespace montira::cli {

namespace {

void Print(bool byMinutes, int value) {
    std::printf("%s %d\n", byMinutes ? "minutes" : "seconds", value);
}

}  // namespace

// montira-cli sampling: prints "minutes M" or "seconds S" from the "J" reply; with a value
// sets the meter's logging interval, clamped and rounded as the input box does.
int RunSampling(const QStringList& args) {
    SamplingArgs a;
    QString message;
    if (!ParseSamplingArgs(args, a, message)) {
        std::fputs(qPrintable(message), stderr);
        return kUsage;
    }

    MeterSession m(a.port);
    if (const int code = m.start("sampling", a.timeout); code != kDone) return code;
    if (const int code = m.refuseDuringRun("sampling"); code != kDone) return code;
    if (a.set) {
        SetSampling set(m.state.link, a.byMinutes, a.value);
        m.run(set);
        const auto sent = set.sent();
        if (!sent) {
            std::fputs("montira-cli sampling: o valor não chegou ao medidor\n", stderr);
            return NoMeter();
        }
        Print(a.byMinutes, *sent);
        return kDone;
    }
    ReadSampling read(m.state.link);
    m.run(read);
    const auto s = read.setting();
    if (!s) return NoMeter();
    if (s->byMinutes()) {
        Print(true, s->minutes);
        return kDone;
    }
    if (!s->seconds) {  // the reply stopped after its minutes byte
        std::fputs("montira-cli sampling: resposta incompleta do medidor\n", stderr);
        return NoMeter();
    }
    Print(false, *s->seconds);
    return kDone;
}

}  // namespace montira::cli
