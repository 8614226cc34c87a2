#include <cstdio>
#include <vector>

#include "cli/Commands.h"
#include "cli/MeterSession.h"
#include "cli/Options.h"
#include "core/memory/Keypad.h"

namespace montira::cli {

namespace {

constexpr const char* kUsageText =
    "uso: montira-cli key --port DISPOSITIVO [--timeout S] TECLA...\n"
    "     TECLA: CF Down Escape Hold MaxMin Mem Mode Read RunStop Time Up\n";

}  // namespace

// montira-cli key --port DEV NAME...: presses the meter's keys in order. During a logging run
// only RunStop, Up, Down and Read are sent; the others are refused with a message, and the
// command ends with exit 2 after the allowed ones were sent.
int RunKey(const QStringList& args) {
    QStringList optionArgs;
    std::vector<MeterKey> keys;
    QString error;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i].startsWith("--")) {
            optionArgs << args[i];
            if (i + 1 < args.size()) optionArgs << args[++i];
        } else if (const auto k = KeyByName(args[i])) {
            keys.push_back(*k);
        } else if (error.isEmpty()) {
            error = QStringLiteral("tecla desconhecida: %1").arg(args[i]);
        }
    }
    Options o;
    double timeout = 30;
    bool ok = error.isEmpty() && ParseOptions(optionArgs, {"--port", "--timeout"}, {}, o, error) &&
              ReadSeconds(o, "--timeout", timeout, error);
    if (ok && o.value("--port").isEmpty()) ok = false, error = "--port é obrigatório";
    if (ok && keys.empty()) ok = false, error = "nenhuma tecla";
    if (!ok) {
        std::fprintf(stderr, "montira-cli key: %s\n%s", qPrintable(error), kUsageText);
        return kUsage;
    }

    MeterSession m(o.value("--port"));
    if (const int code = m.start("key", timeout); code != kDone) return code;
    int result = kDone;
    for (size_t i = 0; i < keys.size(); ++i) {
        const KeyInfo& k = InfoOf(keys[i]);
        if (PressKey(m.port, m.clock, m.state, keys[i]) == KeyOutcome::RefusedRun) {
            std::fprintf(stderr, "montira-cli key: %s recusada: o medidor está registrando\n",
                         k.name);
            result = kUsage;
            continue;
        }
        if (!m.state.link.MeterOnline) return NoMeter();
        // The next key's guard needs the flags as the meter shows them after this one.
        if (i + 1 < keys.size() && !m.refresh(timeout)) return NoMeter();
    }
    return result;
}

}  // namespace montira::cli
