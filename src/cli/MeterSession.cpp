#include "cli/MeterSession.h"

#include <cstdio>

#include "cli/Commands.h"
#include "cli/Options.h"
#include "core/link/DeadlineClock.h"
#include "core/link/Poll.h"

namespace montira::cli {

int MeterSession::start(const char* command, double timeoutSeconds) {
    if (!OpenMeterDevice(port, command)) return kFailure;
    return refresh(timeoutSeconds) ? kDone : NoMeter();
}

bool MeterSession::refresh(double timeoutSeconds) {
    DeadlineClock limited(clock, qint64(timeoutSeconds * 1000));
    Poll poll(port, limited, state.link, state.live);
    while (poll.framesShown() == 0 && !limited.stopping()) poll.tick();
    return poll.framesShown() > 0;
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
