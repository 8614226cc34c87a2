#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <cstdio>

#include "cli/Commands.h"
#include "cli/Options.h"
#include "cli/Usage.h"
#include "core/workload/MeanRadiant.h"
#include "core/workload/PredictedHeatStrain.h"

namespace montira::cli {

namespace {

using namespace montira::heatstrain;

const QStringList kKeys = {"--ta",
                           "--tr",
                           "--tg",
                           "--globe-diameter",
                           "--rh",
                           "--pa",
                           "--va",
                           "--met",
                           "--clo",
                           "--posture",
                           "--acclimatised",
                           "--drink",
                           "--duration",
                           "--weight",
                           "--height",
                           "--walk-speed",
                           "--walk-direction",
                           "--work"};

// Reads `key` into `out` when given; false with the complaint when its value is not a number
// within `bounds` (a missing key is left to the caller).
bool Read(const Options& o, const QString& key, Bounds bounds, double& out, QString& error,
          const char* unit) {
    if (!o.has(key)) return true;
    double v = 0;
    if (!ParseNumber(o.value(key), v) || !bounds.Holds(v)) {
        error = QStringLiteral("valor inválido para %1: %2 (%3 a %4 %5)")
                    .arg(key, o.value(key))
                    .arg(bounds.low)
                    .arg(bounds.high)
                    .arg(QString::fromUtf8(unit));
        return false;
    }
    out = v;
    return true;
}

bool YesNo(const Options& o, const QString& key, bool& out, QString& error) {
    if (!o.has(key)) return true;
    const QString v = o.value(key);
    if (v == QLatin1String("yes") || v == QLatin1String("no")) {
        out = v == QLatin1String("yes");
        return true;
    }
    error = QStringLiteral("valor inválido para %1: %2 (yes ou no)").arg(key, v);
    return false;
}

// Exactly one of two keys.
bool OneOf(const Options& o, const char* a, const char* b, QString& error) {
    const bool hasA = o.has(QLatin1String(a)), hasB = o.has(QLatin1String(b));
    if (hasA != hasB) return true;
    error = hasA ? QStringLiteral("%1 e %2: dê só um").arg(QLatin1String(a), QLatin1String(b))
                 : QStringLiteral("falta %1 ou %2").arg(QLatin1String(a), QLatin1String(b));
    return false;
}

bool Required(const Options& o, const char* key, QString& error) {
    if (o.has(QLatin1String(key))) return true;
    error = QStringLiteral("falta %1").arg(QLatin1String(key));
    return false;
}

// Returns an empty text when the arguments are good, else the complaint.
QString Parse(const QStringList& args, PhsInput& in) {
    Options o;
    QString e;
    if (!ParseOptions(args, kKeys, {}, o, e)) return e;
    for (const char* key : {"--ta", "--va", "--met", "--clo"})
        if (!Required(o, key, e)) return e;
    if (!OneOf(o, "--tr", "--tg", e) || !OneOf(o, "--rh", "--pa", e)) return e;
    if (o.has(QStringLiteral("--globe-diameter")) && !o.has(QStringLiteral("--tg")))
        return QStringLiteral("--globe-diameter só com --tg");
    if (o.has(QStringLiteral("--walk-direction")) && !o.has(QStringLiteral("--walk-speed")))
        return QStringLiteral("--walk-direction só com --walk-speed");

    double met = 0, tg = 0, diameter = kGlobeDiameter, rh = -1, speed = 0, direction = 0,
           duration = in.duration;
    if (!Read(o, "--ta", PhsLimits::kAir, in.ta, e, "°C") ||
        !Read(o, "--tr", PhsLimits::kRadiant, in.tr, e, "°C") ||
        !Read(o, "--tg", PhsLimits::kRadiant, tg, e, "°C") ||
        !Read(o, "--globe-diameter", PhsLimits::kGlobeSize, diameter, e, "m") ||
        !Read(o, "--rh", PhsLimits::kHumidity, rh, e, "%") ||
        !Read(o, "--pa", PhsLimits::kVapour, in.pa, e, "kPa") ||
        !Read(o, "--va", PhsLimits::kSpeed, in.va, e, "m/s") ||
        !Read(o, "--met",
              {PhsLimits::kMetabolic.low / kWattsPerMet, PhsLimits::kMetabolic.high / kWattsPerMet},
              met, e, "met") ||
        !Read(o, "--clo", PhsLimits::kClothing, in.clo, e, "clo") ||
        !Read(o, "--duration", PhsLimits::kDuration, duration, e, "min") ||
        !Read(o, "--weight", PhsLimits::kWeight, in.weight, e, "kg") ||
        !Read(o, "--height", PhsLimits::kHeight, in.height, e, "m") ||
        !Read(o, "--walk-speed", PhsLimits::kWalkSpeed, speed, e, "m/s") ||
        !Read(o, "--walk-direction", PhsLimits::kWalkDirection, direction, e, "graus") ||
        !Read(o, "--work", PhsLimits::kWork, in.work, e, "W/m²") ||
        !YesNo(o, "--acclimatised", in.acclimatised, e) || !YesNo(o, "--drink", in.drinkFreely, e))
        return e;
    if (duration != std::floor(duration))
        return QStringLiteral("valor inválido para --duration: %1 (minutos inteiros)")
            .arg(o.value("--duration"));
    in.duration = int(duration);
    in.met = met * kWattsPerMet;
    if (in.work >= in.met)
        return QStringLiteral("valor inválido para --work: %1 (abaixo da taxa metabólica)")
            .arg(o.value("--work"));
    if (o.has(QStringLiteral("--posture"))) {
        const QString p = o.value("--posture");
        if (p == QLatin1String("standing"))
            in.posture = Posture::Standing;
        else if (p == QLatin1String("sitting"))
            in.posture = Posture::Sitting;
        else if (p == QLatin1String("crouching"))
            in.posture = Posture::Crouching;
        else
            return QStringLiteral(
                       "valor inválido para --posture: %1 (standing, sitting ou "
                       "crouching)")
                .arg(p);
    }
    if (o.has(QStringLiteral("--walk-speed"))) in.walkSpeed = speed;
    if (o.has(QStringLiteral("--walk-direction"))) in.walkDirection = direction;
    if (rh >= 0) in.pa = VapourPressure(in.ta, rh);
    if (o.has(QStringLiteral("--tg"))) {
        const auto tr = MeanRadiantTemperature(tg, in.ta, in.va, diameter);
        if (!tr || !PhsLimits::kRadiant.Holds(*tr))
            return QStringLiteral("valor inválido para --tg: %1 (não dá temperatura radiante)")
                .arg(o.value("--tg"));
        in.tr = *tr;
    }
    return {};
}

double Round(double v, int decimals) {
    const double scale = std::pow(10, decimals);
    return std::round(v * scale) / scale;
}

}  // namespace

// montira-cli phs: the predicted heat strain of a climate and a work, as one JSON object.
int RunPhs(const QStringList& args) {
    PhsInput in;
    const QString complaint = Parse(args, in);
    if (!complaint.isEmpty()) return Refuse("phs", complaint);
    const PhsResult r = PredictHeatStrain(in);
    if (!r.inRange)
        std::fputs("montira-cli phs: caso fora do campo de validade do modelo (ISO 7933)\n",
                   stderr);
    QJsonObject out;
    out.insert(QStringLiteral("RectalTemperature"), Round(r.rectalTemperature, 2));
    out.insert(QStringLiteral("WaterLoss"), Round(r.waterLoss, 1));
    out.insert(QStringLiteral("DlimLoss50"), r.dlimLoss50);
    out.insert(QStringLiteral("DlimLoss95"), r.dlimLoss95);
    out.insert(QStringLiteral("DlimTre"), r.dlimTre);
    out.insert(QStringLiteral("InRange"), r.inRange);
    const QByteArray line = QJsonDocument(out).toJson(QJsonDocument::Compact);
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
    return kDone;
}

}  // namespace montira::cli
