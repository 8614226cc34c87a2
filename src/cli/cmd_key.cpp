#include <cstdio>

#include "cli/Commands.h"
#include "cli/MeterArgs.h"
#include "cli/MeterSession.h"
#include "core/memory/Keypad.h"

namespace montira::cli {

// montira-cli key --port DEV NAME...: presses the meter's keys in order. During a logging run
// only RunStop, Up, Down and Read are sent; the others are refused with a message, and the
// command ends with exit 2 after the allowed ones were sent.
int RunKey(const QStringList& args) {
    KeyArgs a;
    QString message;
    if (!ParseKeyArgs(args, a, message)) {
        std::fputs(qPrintable(message), stderr);
        return kUsage;
    }

    MeterSession m(a.port);
    if (const int code = m.start("key", a.timeout); code != kDone) return code;
    int result = kDone;
    for (size_t i = 0; i < a.keys.size(); ++i) {
        const KeyInfo& k = InfoOf(a.keys[i]);
        if (KeyAllowed(m.state, a.keys[i]) == KeyOutcome::RefusedRun) {
            std::fprintf(stderr, "montira-cli key: %s recusada: o medidor está registrando\n",
                         k.name);
            result = kFailure;  // not bad input: the meter said no
            continue;
        }
        PressKey press(m.state.link, a.keys[i]);
        m.run(press);
        if (!m.state.link.MeterOnline) return NoMeter();
        // The next key's guard needs the flags as the meter shows them after this one.
        if (i + 1 < a.keys.size() && !m.refresh(a.timeout)) return NoMeter();
    }
    return result;
}

}  // namespace montira::cli
