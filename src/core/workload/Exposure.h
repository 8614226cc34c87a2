#pragma once
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace montira::exposure {

// One period of the work done in the evaluated hour.
struct WorkPeriod {
    double minutes = 0;
    double watts = 0;  // metabolic rate, W
    QString text;      // what was done
};

// The metabolic-rate classes offered as presets: the class rate in W/m² times 1.8 m².
struct MetabolicClass {
    QString name;
    double watts;
};
const std::vector<MetabolicClass>& MetabolicClasses();

// Clothing adjustments, °C of WBGT added to the hour's mean.
struct ClothingPreset {
    QString name;
    double adjustment;
};
const std::vector<ClothingPreset>& ClothingPresets();
// A class's or a preset's name as the window shows it, in the interface language (the names
// themselves are what montira-cli takes and prints).
QString ShownName(const QString& name);
// A preset's name or a number (point or comma) of 0 or more; false, with `why` saying what is
// wrong, for anything else.
bool ParseClothing(const QString& text, double& out, QString* why = nullptr);

// Periods must be longer than 0 and add up to 60 minutes; rates above 0 and at most this.
constexpr double kMaxWatts = 2000;
// M = Σ Mi·ti / 60, or nothing with `why` saying what is wrong with the periods.
std::optional<double> MeanMetabolicRate(const std::vector<WorkPeriod>& periods, QString* why);

// °C of WBGT at a mean metabolic rate `m` in W.
double ExposureLimit(double m);  // 56.7 − 11.5·log10(m)
double ActionLevel(double m);    // 59.9 − 14.1·log10(m)

enum class Verdict { BelowActionLevel, BetweenLevels, AboveLimit };
// E < AL: below; AL ≤ E ≤ L: between; E > L: above.
Verdict Judge(double exposure, double actionLevel, double limit);
QString VerdictText(Verdict v);

struct Evaluation {
    double meanWbgt = 0;  // °C, the hour's mean
    double clothing = 0;  // °C
    double m = 0;         // W
    double exposure = 0;  // mean + clothing
    double limit = 0, actionLevel = 0;
    double margin = 0;  // limit − exposure, positive below the limit
    Verdict verdict = Verdict::BelowActionLevel;
};
Evaluation Evaluate(double meanWbgtC, double m, double clothing);

}  // namespace montira::exposure
