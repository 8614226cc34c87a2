#pragma once
#include <QString>
#include <optional>
#include <vector>

namespace montira::exposure {

// The regulation's tables, read from the data files built into the program
// (src/core/workload/regulations, each naming its source).

// A row of a table by metabolic rate: from `watts` up, the table gives `wbgt` (°C).
struct RateRow {
    double watts = 0;
    double wbgt = 0;
};
const std::vector<RateRow>& LimitTable();        // exposure limits, NR-15 Annex 3, Quadro 1
const std::vector<RateRow>& ActionLevelTable();  // action levels, NR-9 Annex 3
// The value at the row of the highest tabulated rate not above `m`; the first row below it;
// none above the last row's rate ("fora da faixa da tabela").
std::optional<double> TableValue(const std::vector<RateRow>& table, double m);

// NR-9's clothing adjustments (°C added to the mean WBGT); the hood is a row of its own.
struct ClothingRow {
    QString key;  // what montira-cli --cloth and the evaluation file take
    double adjustment = 0;
    QString name, nameEn;
    QString shown() const;  // in the interface language
};
const std::vector<ClothingRow>& ClothingTable();  // without the hood
double HoodAdjustment();

// NR-15 Annex 3's metabolic rates by activity, in groups by posture.
struct ActivityRow {
    int number = 0;
    QString group, groupEn, text, textEn;
    double watts = 0;
    QString shown() const;  // "group: activity" in the interface language
};
const std::vector<ActivityRow>& ActivityTable();
// The rows whose group or text (in either language) holds every word of `words`, ignoring
// case and accents.
std::vector<int> FindActivities(const QString& words);

// The interface language is English (the program's translation is installed).
bool InterfaceIsEnglish();

// `v` rounded to one decimal, half away from zero (a value printed as 30.25 rounds to 30.3).
double RoundOneDecimal(double v);

}  // namespace montira::exposure
