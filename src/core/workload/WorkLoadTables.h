#pragma once
#include <QString>
#include <array>

namespace montira::workload {

// Activities 0..9 are the kinds of work, 10..12 the postures; the two groups are summed apart.
constexpr int kActivityCount = 13;
constexpr int kWorkCount = 10;     // CkHL(0..9), Combo(0..9)
constexpr int kPostureFirst = 10;  // CkBody(0..2) drive Combo(10..12)
constexpr int kTypeCount = 4;      // CkType(0..3)
constexpr int kBodyCount = 3;      // CkBody(0..2)
constexpr int kRegimeCount = 4;
constexpr int kClothingCount = 4;

// Energy rate of each activity in kcal per minute.
const std::array<double, kActivityCount>& ActivityRates();
// Caption of each activity's check box ("Leve", "Pesado" ... "Sentado", "Em pé", "Em movimento").
const std::array<QString, kActivityCount>& ActivityCaptions();
// Captions of the four kinds of work, CkType(0..3).
const std::array<QString, kTypeCount>& TypeCaptions();
// The CkHL boxes of group g: [first, last] indexes (0,1 / 2,3 / 4,5 / 6..9).
int TypeFirstLevel(int group);
int TypeLastLevel(int group);

const std::array<QString, kRegimeCount>& RegimeTexts();
QString OverloadText();  // "Sobrecarga de trabalho"

const std::array<QString, kClothingCount>& ClothingNames();
// The correction of the first clothing name equal to text (exact comparison); 0 for no match.
double ClothingCorrection(const QString& text);
// One of the texts above (or "Leve", "Moderado", "Pesado"), as the window shows it in the
// interface language; the texts themselves stay what montira-cli prints.
QString ShownWorkLoadText(const QString& text);

// Index in ClothingNames, or -1.
int ClothingIndex(const QString& text);

const std::array<double, kRegimeCount>& LightLimits();
const std::array<double, kRegimeCount>& ModerateLimits();
const std::array<double, kRegimeCount>& HeavyLimits();

// The ages of the age list (20, 25 ... 65) and their factors.
constexpr int kAgeCount = 10;
const std::array<int, kAgeCount>& Ages();
bool IsListedAge(double age);  // exact numeric comparison with the list
double AgeFactor(double age);  // 1 for an age that is not in the list

constexpr double kReferenceWeightKg = 70.0;
constexpr double kBasalKcalPerHour = 60.0;
constexpr double kLightUpperBound = 200.0;     // M <= 200: "Leve"
constexpr double kModerateUpperBound = 350.0;  // M <= 350: "Moderado"

}  // namespace montira::workload
