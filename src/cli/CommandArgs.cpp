#include "cli/CommandArgs.h"

#include <limits>

#include "cli/Options.h"
#include "core/meter/LoggerSets.h"

namespace montira::cli {

bool ParseRecordArgs(const QStringList& args, RecordArgs& a, QString& error) {
    Options o;
    if (!ParseOptions(args, {"--port", "--out", "--samples", "--interval", "--timeout"},
                      {"--fahrenheit"}, o, error))
        return false;
    a.port = o.value("--port");
    a.out = o.value("--out");
    a.fahrenheit = o.flags.contains("--fahrenheit");
    qint64 interval = a.interval;
    if (!ReadWhole(o, "--samples", 1, std::numeric_limits<qint64>::max(), a.samples, error) ||
        !ReadWhole(o, "--interval", 1, 86400, interval, error) || !ReadTimeout(o, a.timeout, error))
        return false;
    a.interval = int(interval);
    if (a.port.isEmpty() || a.out.isEmpty() || a.samples <= 0) {
        error = QStringLiteral("--port, --out e --samples são obrigatórios");
        return false;
    }
    return true;
}

bool ParseMemoryArgs(const QStringList& args, MemoryArgs& a, QString& error) {
    Options o;
    if (!ParseOptions(args, {"--port", "--out", "--set", "--timeout"}, {"--fahrenheit"}, o, error))
        return false;
    a.port = o.value("--port");
    a.out = o.value("--out");
    a.fahrenheit = o.flags.contains("--fahrenheit");
    qint64 set = 0;
    if (!ReadWhole(o, "--set", 1, kMaxSets, set, error) || !ReadTimeout(o, a.timeout, error))
        return false;
    a.set = int(set);
    if (o.has("--out") && a.out.isEmpty()) {
        error = QStringLiteral("valor inválido para --out");
        return false;
    }
    if (a.port.isEmpty()) {
        error = QStringLiteral("--port é obrigatório");
        return false;
    }
    if ((a.set > 0) != !a.out.isEmpty() || (a.fahrenheit && a.set == 0)) {
        error = QStringLiteral("--set e --out vão juntos (e --fahrenheit só com eles)");
        return false;
    }
    return true;
}

}  // namespace montira::cli
