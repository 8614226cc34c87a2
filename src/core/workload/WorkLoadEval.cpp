#include "core/workload/WorkLoadEval.h"

#include <QCoreApplication>
#include <cmath>

#include "core/meter/Numbers.h"
#include "core/workload/WholeNumbers.h"

namespace montira::workload {

namespace {

// Averages come from sums of one-decimal values, so they carry binary noise of a few units
// in the last place; a limit compares equal within this margin.
constexpr double kLimitTolerance = 1e-9;

double Sum(const std::array<double, kActivityCount>& a, int first, int last) {
    double s = 0;
    for (int i = first; i <= last; ++i) s += a[i];
    return s;
}

}  // namespace

double MetabolicRate(const std::array<double, kActivityCount>& energy,
                     const std::array<double, kActivityCount>& minutes, double age, double weight) {
    const double x = weight / kReferenceWeightKg / AgeFactor(age);
    const double sumWork = Sum(energy, 0, kWorkCount - 1);
    const double minWork = Sum(minutes, 0, kWorkCount - 1);
    const double sumPosture = Sum(energy, kPostureFirst, kActivityCount - 1);
    const double minPosture = Sum(minutes, kPostureFirst, kActivityCount - 1);
    return (sumWork * minWork / 60 + sumPosture * minPosture / 60 + kBasalKcalPerHour) * x;
}

QString LimitLabelText(double limitC, QChar decimalPoint) {
    QString n = FormatGeneral(limitC);  // no grouping: a ',' or '.' is the decimal separator
    n.replace(QLatin1Char('.'), decimalPoint);
    n.replace(QLatin1Char(','), decimalPoint);
    const long long f = FloorWhole(limitC * 9 / 5 + 32);
    return n + QStringLiteral(" ºC(") + QString::number(f) + QStringLiteral(" ºF)");
}

QString RegimeFor(double avg, const std::array<double, kRegimeCount>& limits) {
    for (int k = 0; k < kRegimeCount; ++k)
        if (avg <= limits[k] + kLimitTolerance) return RegimeTexts()[k];
    return OverloadText();
}

std::array<double, kRegimeCount> LimitsFor(LoadClass c, double clothingCorrection) {
    const auto& row = c == LoadClass::Light      ? LightLimits()
                      : c == LoadClass::Moderate ? ModerateLimits()
                                                 : HeavyLimits();
    std::array<double, kRegimeCount> out{};
    for (int k = 0; k < kRegimeCount; ++k) out[k] = Round15(row[k] + clothingCorrection);
    return out;
}

WorkLoadResult EvaluateWorkLoad(const WorkLoadInput& in) {
    WorkLoadResult r;
    r.ageForced = !IsListedAge(in.age);
    r.age = r.ageForced ? 20 : in.age;
    r.M = MetabolicRate(in.ActivityEnergy, in.minutes, r.age, in.weight);

    if (r.M <= kLightUpperBound) {
        r.loadClass = LoadClass::Light;
        r.LblLoad = QStringLiteral(QT_TRANSLATE_NOOP("WorkLoadTables", "Leve"));
    } else if (r.M <= kModerateUpperBound) {
        r.loadClass = LoadClass::Moderate;
        r.LblLoad = QStringLiteral(QT_TRANSLATE_NOOP("WorkLoadTables", "Moderado"));
    } else {
        r.loadClass = LoadClass::Heavy;
        r.LblLoad = QStringLiteral(QT_TRANSLATE_NOOP("WorkLoadTables", "Pesado"));
    }
    r.EffectiveLimits = LimitsFor(r.loadClass, ClothingCorrection(in.cloth));
    for (int k = 0; k < kRegimeCount; ++k)
        r.LblC[k] = LimitLabelText(r.EffectiveLimits[k], in.decimalPoint);

    if (in.AvgWbgtIndoor == 0 || in.AvgWbgtOutdoor == 0) return r;
    r.regimesSet = true;
    r.LblWRRi = RegimeFor(in.AvgWbgtIndoor, r.EffectiveLimits);
    r.LblWRRo = RegimeFor(in.AvgWbgtOutdoor, r.EffectiveLimits);
    return r;
}

}  // namespace montira::workload
