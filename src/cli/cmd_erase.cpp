#include <cstdio>

#include "cli/Commands.h"
#include "cli/MeterArgs.h"
#include "cli/MeterSession.h"
#include "core/memory/LoggerDownload.h"

namespace montira::cli {

// montira-cli erase --port DEV --yes: erases the meter's logger. Without --yes it refuses
// and sends nothing.
int RunErase(const QStringList& args) {
    EraseArgs a;
    QString message;
    if (!ParseEraseArgs(args, a, message)) {
        std::fputs(qPrintable(message), stderr);
        return kUsage;
    }
    MeterSession m(a.port);
    if (const int code = m.start("erase", a.timeout); code != kDone) return code;
    if (const int code = m.refuseDuringRun("erase"); code != kDone) return code;
    EraseLogger erase(m.state.link, qint64(a.timeout * 1000));
    m.run(erase);
    return erase.sent() ? kDone : NoMeter();
}

}  // namespace montira::cli
