#include "cli/MeterArgs.h"

#include "cli/Options.h"
#include "cli/Usage.h"
#include "core/memory/MeterSettings.h"

namespace montira::cli {

namespace {

// The table's options, then --timeout and a --port that is not empty.
bool ParseMeterOptions(const QStringList& args, const QStringList& values, const QStringList& flags,
                       Options& o, double& timeout, QString& error) {
    if (!ParseOptions(args, values, flags, o, error) ||
        !ReadSeconds(o, QStringLiteral("--timeout"), timeout, error))
        return false;
    if (o.value(QStringLiteral("--port")).isEmpty()) {
        error = QStringLiteral("--port é obrigatório");
        return false;
    }
    return true;
}

}  // namespace

bool ParseClockArgs(const QStringList& args, ClockArgs& a, QString& message) {
    Options o;
    QString error;
    if (!ParseMeterOptions(args, {"--port", "--timeout"}, {"--set"}, o, a.timeout, error)) {
        message = RefusalText("clock", error);
        return false;
    }
    a.port = o.value("--port");
    a.set = o.flags.contains("--set");
    return true;
}

bool ParseSamplingArgs(const QStringList& args, SamplingArgs& a, QString& message) {
    Options o;
    QString error;
    bool ok = ParseMeterOptions(args, {"--port", "--minutes", "--seconds", "--timeout"}, {}, o,
                                a.timeout, error);
    if (ok && o.has("--minutes") && o.has("--seconds"))
        ok = false, error = QStringLiteral("--minutes e --seconds se excluem");
    a.byMinutes = o.has("--minutes");
    if (ok && (a.byMinutes || o.has("--seconds"))) {
        const QString key = a.byMinutes ? "--minutes" : "--seconds";
        const RangedAnswer answer = ParseRangedAnswer(
            o.value(key), a.byMinutes ? kMaxSamplingMinutes : kMaxSamplingSeconds);
        if (answer.kind != RangedAnswer::Value)
            ok = false, error = QStringLiteral("valor inválido para %1").arg(key);
        a.set = true;
        a.value = answer.value;
    }
    if (!ok) {
        message = RefusalText("sampling", error);
        return false;
    }
    a.port = o.value("--port");
    return true;
}

bool ParsePowerOffArgs(const QStringList& args, PowerOffArgs& a, QString& message) {
    Options o;
    QString error;
    bool ok = ParseMeterOptions(args, {"--port", "--set", "--timeout"}, {}, o, a.timeout, error);
    if (ok && o.has("--set")) {
        const RangedAnswer answer = ParseRangedAnswer(o.value("--set"), kMaxPowerOffSeconds);
        if (answer.kind != RangedAnswer::Value)
            ok = false, error = QStringLiteral("valor inválido para --set");
        a.set = true;
        a.seconds = answer.value;
    }
    if (!ok) {
        message = RefusalText("poweroff", error);
        return false;
    }
    a.port = o.value("--port");
    return true;
}

bool ParseEraseArgs(const QStringList& args, EraseArgs& a, QString& message) {
    Options o;
    QString error;
    bool ok = ParseMeterOptions(args, {"--port", "--timeout"}, {"--yes"}, o, a.timeout, error);
    if (ok && !o.flags.contains("--yes"))
        ok = false,
        error = QStringLiteral("todos os dados da memória serão apagados: confirme com --yes");
    if (!ok) {
        message = RefusalText("erase", error);
        return false;
    }
    a.port = o.value("--port");
    return true;
}

bool ParseKeyArgs(const QStringList& args, KeyArgs& a, QString& message) {
    QStringList optionArgs;
    QString error;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i].startsWith("--")) {
            optionArgs << args[i];
            if (i + 1 < args.size()) optionArgs << args[++i];
        } else if (const auto k = KeyByName(args[i])) {
            a.keys.push_back(*k);
        } else if (error.isEmpty()) {
            error = QStringLiteral("tecla desconhecida: %1").arg(args[i]);
        }
    }
    Options o;
    bool ok = error.isEmpty() &&
              ParseMeterOptions(optionArgs, {"--port", "--timeout"}, {}, o, a.timeout, error);
    if (ok && a.keys.empty()) ok = false, error = QStringLiteral("nenhuma tecla");
    if (!ok) {
        message = RefusalText("key", error);
        return false;
    }
    a.port = o.value("--port");
    return true;
}

bool ParseManualArgs(const QStringList& args, ManualArgs& a, QString& message) {
    Options o;
    QString error;
    bool ok = ParseOptions(args, {"--port", "--out", "--timeout"}, {"--fahrenheit"}, o, error) &&
              ReadSeconds(o, "--timeout", a.timeout, error);
    if (ok && (o.value("--port").isEmpty() || o.value("--out").isEmpty()))
        ok = false, error = QStringLiteral("--port e --out são obrigatórios");
    if (!ok) {
        message = RefusalText("manual", error);
        return false;
    }
    a.port = o.value("--port");
    a.out = o.value("--out");
    a.fahrenheit = o.flags.contains("--fahrenheit");
    return true;
}

}  // namespace montira::cli
