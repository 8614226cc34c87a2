#pragma once
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "core/workload/Regulations.h"

namespace montira::exposure {

// One period of the work done in the evaluated hour.
struct WorkPeriod {
    double minutes = 0;
    double watts = 0;  // metabolic rate, W
    QString text;      // what was done
};

// A clothing row's key, its name in either language, or a number (point or comma) of 0 or
// more; false, with `why` saying what is wrong, for anything else. `key` gets the row's key
// (empty for a number).
bool ParseClothing(const QString& text, double& out, QString* why = nullptr,
                   QString* key = nullptr);

// Periods must be longer than 0 and add up to 60 minutes; rates above 0 and at most this.
constexpr double kMaxWatts = 2000;
// M = Σ Mi·ti / 60, or nothing with `why` saying what is wrong with the periods.
std::optional<double> MeanMetabolicRate(const std::vector<WorkPeriod>& periods, QString* why);

// °C of WBGT at a mean metabolic rate `m` in W, by the regulation's formulas (the tables
// themselves are what a verdict is read from).
double ExposureLimit(double m);  // 56.7 − 11.5·log10(m)
double ActionLevel(double m);    // 59.9 − 14.1·log10(m)

enum class Verdict { BelowActionLevel, BetweenLevels, AboveLimit };
// E < AL: below; AL ≤ E ≤ L: between; E > L: above.
Verdict Judge(double exposure, double actionLevel, double limit);
QString VerdictText(Verdict v);
QString OutOfTableText();  // "fora da faixa da tabela"

struct Evaluation {
    double meanWbgt = 0;                       // °C, the hour's mean
    double clothing = 0;                       // °C
    double m = 0;                              // W
    double exposure = 0;                       // mean + clothing, rounded to one decimal
    std::optional<double> limit, actionLevel;  // tabulated; none past the table's last row
    double limitFormula = 0, actionLevelFormula = 0;
    std::optional<double> margin;    // limit − exposure, positive below the limit
    std::optional<Verdict> verdict;  // none without both tabulated values
};
Evaluation Evaluate(double meanWbgtC, double m, double clothing);

}  // namespace montira::exposure
