#include <cstdio>

#include "cli/Commands.h"
#include "cli/MeterSession.h"
#include "cli/Options.h"
#include "core/memory/LoggerDownload.h"

namespace montira::cli {

// montira-cli erase --port DEV --yes: erases the meter's logger. Without --yes it refuses
// and sends nothing.
int RunErase(const QStringList& args) {
    Options o;
    QString error;
    double timeout = 30;
    bool ok = ParseOptions(args, {"--port", "--timeout"}, {"--yes"}, o, error) &&
              ReadSeconds(o, "--timeout", timeout, error);
    if (ok && o.value("--port").isEmpty()) ok = false, error = "--port é obrigatório";
    if (ok && !o.flags.contains("--yes"))
        ok = false, error = "todos os dados da memória serão apagados: confirme com --yes";
    if (!ok) {
        std::fprintf(stderr,
                     "montira-cli erase: %s\nuso: montira-cli erase --port DISPOSITIVO --yes "
                     "[--timeout S]\n",
                     qPrintable(error));
        return kUsage;
    }
    MeterSession m(o.value("--port"));
    if (const int code = m.start("erase", timeout); code != kDone) return code;
    if (const int code = m.refuseDuringRun("erase"); code != kDone) return code;
    MeterLink link(m.port, m.clock, m.state.link);
    return EraseLogger(link, qint64(timeout * 1000)) ? kDone : NoMeter();
}

}  // namespace montira::cli
