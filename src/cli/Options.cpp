#include "cli/Options.h"

#include <QLocale>
#include <cmath>
#include <cstdio>

namespace montira::cli {

bool ParseOptions(const QStringList& args, const QStringList& valueKeys,
                  const QStringList& flagKeys, Options& out, QString& error) {
    for (int i = 0; i < args.size(); ++i) {
        const QString& k = args[i];
        if (flagKeys.contains(k)) {
            out.flags.insert(k);
            continue;
        }
        if (!valueKeys.contains(k)) {
            error = QStringLiteral("argumento desconhecido: %1").arg(k);
            return false;
        }
        if (i + 1 >= args.size()) {
            error = QStringLiteral("falta o valor de %1").arg(k);
            return false;
        }
        if (out.values.contains(k)) {
            error = QStringLiteral("%1 repetido").arg(k);
            return false;
        }
        out.values.insert(k, args[++i]);
    }
    return true;
}

bool ReadWhole(const Options& o, const QString& key, qint64 lo, qint64 hi, qint64& out,
               QString& error) {
    if (!o.has(key)) return true;
    bool ok = false;
    const qint64 v = o.value(key).toLongLong(&ok);
    if (!ok || v < lo || v > hi) {
        error = QStringLiteral("valor inválido para %1: %2").arg(key, o.value(key));
        return false;
    }
    out = v;
    return true;
}

bool ReadSeconds(const Options& o, const QString& key, double& out, QString& error) {
    if (!o.has(key)) return true;
    bool ok = false;
    const double v = o.value(key).toDouble(&ok);
    if (!ok || !std::isfinite(v) || v <= 0 || v > 86400) {
        error = QStringLiteral("valor inválido para %1: %2").arg(key, o.value(key));
        return false;
    }
    out = v;
    return true;
}

bool ReadTimeout(const Options& o, double& out, QString& error) {
    double v = out;
    if (!ReadSeconds(o, QStringLiteral("--timeout"), v, error)) return false;
    if (v < kMinTimeoutSeconds) {
        error = QStringLiteral("--timeout %1: no mínimo %2 s (o início espera o primeiro quadro)")
                    .arg(o.value(QStringLiteral("--timeout")))
                    .arg(kMinTimeoutSeconds);
        return false;
    }
    out = v;
    return true;
}

bool OpenMeterDevice(QtSerialPort& port, const char* command) {
    QString reason;
    if (port.open(&reason) == OpenOutcome::Opened) return true;
    std::fprintf(stderr, "montira-cli %s: %s\n", command, qPrintable(reason));
    return false;
}

bool ParseNumber(const QString& text, double& out) {
    bool ok = false;
    const double v = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(v)) return false;
    out = v;
    return true;
}

}  // namespace montira::cli
