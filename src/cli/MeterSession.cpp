#include "cli/MeterSession.h"

#include <cstdio>

#include "cli/Commands.h"
#include "cli/LinkLoop.h"
#include "cli/Options.h"

namespace montira::cli {

int MeterSession::start(const char* command, double timeoutSeconds) {
    if (!OpenMeterDevice(port, command)) return kFailure;
    return refresh(timeoutSeconds) ? kDone : NoMeter();
}

bool MeterSession::refresh(double timeoutSeconds) {
    return AwaitFrame(link, poll, qint64(timeoutSeconds * 1000));
}

void MeterSession::run(Exchange& ex) {
    // Nothing else runs on this link, so it never refuses.
    RunExchange(link, ex);
}

int MeterSession::refuseDuringRun(const char* command) const {
    if (!state.live.flags.FlagRun) return kDone;
    std::fprintf(stderr, "montira-cli %s: o medidor está registrando\n", command);
    return kFailure;
}

int NoMeter() {
    std::fputs("Sem comunicação\n", stderr);
    return kNoMeter;
}

}  // namespace montira::cli
