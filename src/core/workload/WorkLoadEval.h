#pragma once
#include <QChar>
#include <QString>
#include <array>

#include "core/workload/WorkLoadTables.h"

namespace montira::workload {

// What the evaluation reads: the energies and minutes of the 13 activities, age, weight,
// the clothing text and the two WBGT averages.
struct WorkLoadInput {
    double age = 20;
    double weight = 70;                                   // kg
    std::array<double, kActivityCount> ActivityEnergy{};  // minutes × rate per activity
    std::array<double, kActivityCount> minutes{};         // numeric values of Combo(0..12)
    QString cloth;
    double AvgWbgtIndoor = 0, AvgWbgtOutdoor = 0;
    QChar decimalPoint = QLatin1Char('.');  // separator of the limit texts
};

enum class LoadClass { Light, Moderate, Heavy };

struct WorkLoadResult {
    double age = 20;         // the age used; 20 when the given one is not in the list
    bool ageForced = false;  // the given age was not in the list
    double M = 0;            // metabolic rate, kcal/h
    LoadClass loadClass = LoadClass::Light;
    QString LblLoad;  // "Leve", "Moderado" or "Pesado"
    std::array<double, kRegimeCount> EffectiveLimits{};
    std::array<QString, kRegimeCount> LblC;
    bool regimesSet = false;  // false when an average is 0: the regime labels keep their texts
    QString LblWRRi, LblWRRo;
};

// The whole evaluation of the work-load window, shared by the window and montira-cli.
WorkLoadResult EvaluateWorkLoad(const WorkLoadInput& in);

// Metabolic rate: (sumWork × minWork / 60 + sumPosture × minPosture / 60 + 60) × X with
// X = weight / 70 / factor(age). The energy sums are scaled by the minute sums over 60 (so a
// group whose minutes do not fill the hour counts less), as the old program did.
double MetabolicRate(const std::array<double, kActivityCount>& energy,
                     const std::array<double, kActivityCount>& minutes, double age, double weight);

// "30 ºC(86 ºF)": the limit in its shortest form (up to 15 significant digits) with the given
// decimal separator, and the whole part of its Fahrenheit value (cut, not rounded).
QString LimitLabelText(double limitC, QChar decimalPoint = QLatin1Char('.'));

// The first regime whose limit is not below avg, or "Sobrecarga de trabalho".
QString RegimeFor(double avg, const std::array<double, kRegimeCount>& limits);

// The limits of a class, lowered (or raised) by the clothing correction.
std::array<double, kRegimeCount> LimitsFor(LoadClass c, double clothingCorrection);

}  // namespace montira::workload
