#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/workload/MeanRadiant.h"
#include "core/workload/PredictedHeatStrain.h"

using namespace montira::heatstrain;

namespace {

// The ten reference cases of ISO 7933:2004's annex, as published for open implementations of
// the model: ts_phs.json of the "validation-data-comfort-models" repository (F. Tartarini,
// MIT licence; the table pythermalcomfort, jsthermalcomfort and the R package comf check
// against). That table states the climate as relative humidity and the work in met; the rows
// here carry the annex's own vapour pressure and W/m² they stand for (33.85 % at 40 °C is
// 2.5 kPa, 71 % at 35 °C 4.0 kPa, the others 3.0 kPa; 2.58 met is 150 W/m², 1.77 met 103,
// 3.54 met 206). Every case: 75 kg, 1.80 m, drinking freely, 480 minutes, no external work.
struct ReferenceCase {
    const char* name;
    double ta, tr, pa, va, met, clo;
    Posture posture;
    bool acclimatised;
    std::optional<double> walkSpeed, walkDirection;
    double rectal, waterLoss;
    int dlimLoss50, dlimLoss95, dlimTre;
};

// clang-format off
constexpr Posture kStand = Posture::Standing, kSit = Posture::Sitting;
const ReferenceCase kCases[] = {
    // ta, tr, pa, va, met, clo, posture, acclimatised, walking speed and direction;
    // rectal temperature, water loss, Dlim loss 50 %, loss 95 %, rectal temperature
    {"1 hot dry",                       40, 40, 2.5, 0.3, 150, 0.5, kStand, true,  {},  {},   37.5, 6166.4, 440, 298, 480},
    {"2 hot humid",                     35, 35, 4.0, 0.3, 150, 0.5, kStand, true,  {},  {},   39.8, 6934.6, 385, 256,  75},
    {"3 radiant",                       30, 50, 3.0, 0.3, 150, 0.5, kStand, true,  {},  {},   37.7, 7166.2, 380, 258, 480},
    {"4 strong radiant unacclimatised", 28, 58, 3.0, 0.3, 150, 0.5, kStand, false, {},  {},   41.2, 5807.3, 466, 314,  57},
    {"5 windy sitting",                 35, 35, 3.0, 1,   150, 0.5, kSit,   false, {},  {},   37.6, 3891.8, 480, 463, 480},
    {"6 light work sitting",            43, 43, 3.0, 0.3, 103, 0.5, kSit,   true,  {},  {},   37.3, 6765.1, 401, 271, 480},
    {"7 heavy work",                    35, 35, 3.0, 0.3, 206, 0.5, kStand, false, {},  {},   39.2, 7235.9, 372, 247,  70},
    {"8 one clo",                       34, 34, 3.0, 0.3, 150, 1,   kStand, false, {},  {},   41.0, 5547.7, 480, 318,  67},
    {"9 light clothing",                40, 40, 3.0, 0.3, 150, 0.4, kStand, true,  {},  {},   37.5, 6683.4, 407, 276, 480},
    {"10 walking across the wind",      40, 40, 3.0, 0.3, 150, 0.4, kStand, true,  1.0, 90.0, 37.6, 5379.1, 480, 339, 480},
};
// clang-format on

PhsInput InputOf(const ReferenceCase& c) {
    PhsInput in;
    in.ta = c.ta, in.tr = c.tr, in.pa = c.pa, in.va = c.va, in.met = c.met, in.clo = c.clo;
    in.posture = c.posture, in.acclimatised = c.acclimatised;
    in.walkSpeed = c.walkSpeed, in.walkDirection = c.walkDirection;
    return in;
}

void ExpectCase(const PhsResult& r, const ReferenceCase& c) {
    EXPECT_NEAR(r.rectalTemperature, c.rectal, 0.1);
    EXPECT_NEAR(r.waterLoss, c.waterLoss, 10);
    EXPECT_NEAR(r.dlimLoss50, c.dlimLoss50, 1);
    EXPECT_NEAR(r.dlimLoss95, c.dlimLoss95, 1);
    EXPECT_NEAR(r.dlimTre, c.dlimTre, 1);
}

const PhsInput kCaseOne = InputOf(kCases[0]);

}  // namespace

TEST(PredictedHeatStrain, reproducesTheStandardsReferenceCases) {
    for (const ReferenceCase& c : kCases) {
        SCOPED_TRACE(c.name);
        const PhsResult r = PredictHeatStrain(InputOf(c));
        ExpectCase(r, c);
        EXPECT_TRUE(r.inRange);
    }
}

TEST(PredictedHeatStrain, casesOneAndFourGivenAsHumidityAndMet) {
    // As a user types them: relative humidity through the annex's saturation formula
    // (0.6105·exp(17.27·40/277.3) = 7.3723 kPa; 33.85 % of it is 2.4955 kPa), and met.
    EXPECT_NEAR(VapourPressure(40, 33.85), 2.4955, 5e-4);
    for (const auto& [c, rh] : {std::pair{kCases[0], 33.85}, {kCases[3], 79.31}}) {
        SCOPED_TRACE(c.name);
        PhsInput in = InputOf(c);
        in.pa = VapourPressure(c.ta, rh);
        in.met = 2.58 * kWattsPerMet;
        const PhsResult r = PredictHeatStrain(in);
        ExpectCase(r, c);
        EXPECT_EQ(std::tuple(r.dlimLoss50, r.dlimLoss95, r.dlimTre),
                  std::tuple(c.dlimLoss50, c.dlimLoss95, c.dlimTre));
    }
}

TEST(PredictedHeatStrain, curveRunsMinuteByMinuteAndEndsAtTheResult) {
    PhsInput in = kCaseOne;
    in.duration = 90;
    const PhsResult r = PredictHeatStrain(in);
    ASSERT_EQ(r.minutes.size(), 91u);
    EXPECT_DOUBLE_EQ(r.minutes.front().rectal, 36.8);
    EXPECT_DOUBLE_EQ(r.minutes.back().waterLoss, r.waterLoss);
    for (size_t i = 1; i < r.minutes.size(); ++i)
        EXPECT_GT(r.minutes[i].waterLoss, r.minutes[i - 1].waterLoss) << i;
    // The first 90 minutes of the eight-hour run are the same minutes.
    EXPECT_DOUBLE_EQ(PredictHeatStrain(kCaseOne).minutes[90].rectal, r.rectalTemperature);
    EXPECT_EQ(r.dlimLoss50, 90);  // not reached: capped at the duration
}

TEST(PredictedHeatStrain, withoutFreeDrinkingBothLossLimitsAreThreePercentOfBodyMass) {
    PhsInput in = kCaseOne;
    in.drinkFreely = false;
    const PhsResult r = PredictHeatStrain(in);
    ASSERT_EQ(r.dlimLoss50, r.dlimLoss95);
    const int t = r.dlimLoss95;
    ASSERT_GT(t, 1);
    ASSERT_LT(t, 480);
    EXPECT_LT(r.minutes[t - 1].waterLoss, 0.03 * 75000);
    EXPECT_GE(r.minutes[t].waterLoss, 0.03 * 75000);
    EXPECT_DOUBLE_EQ(r.waterLoss, PredictHeatStrain(kCaseOne).waterLoss);
}

TEST(PredictedHeatStrain, outsideTheValidityRangeItStillComputesAndSaysSo) {
    const std::pair<const char*, void (*)(PhsInput&)> rows[] = {
        {"air 51 °C", [](PhsInput& in) { in.ta = in.tr = 51; }},
        {"99 W/m²", [](PhsInput& in) { in.met = 99; }},
        {"radiant below air", [](PhsInput& in) { in.tr = in.ta - 1; }},
    };
    for (const auto& [name, change] : rows) {
        SCOPED_TRACE(name);
        PhsInput in = kCaseOne;
        change(in);
        const PhsResult r = PredictHeatStrain(in);
        EXPECT_FALSE(r.inRange);
        EXPECT_TRUE(std::isfinite(r.rectalTemperature) && std::isfinite(r.waterLoss));
    }
}

TEST(PredictedHeatStrain, nonFiniteInputEndsInsteadOfSpinning) {
    // The two settling searches of each minute never settle on NaN; they stop at their cap.
    PhsInput bad = kCaseOne;
    bad.ta = std::numeric_limits<double>::quiet_NaN();
    bad.duration = 5;
    const PhsResult r = PredictHeatStrain(bad);
    EXPECT_FALSE(r.inRange);
    EXPECT_EQ(r.minutes.size(), 6u);
}

TEST(MeanRadiantTemperature, matchesAHandCalculation) {
    // Tg 45 °C, Ta 35 °C, 0.5 m/s, 150 mm globe, ε 0.95:
    //   (45 + 273)⁴            = 318⁴ = 10 226 063 376
    //   0.5^0.6                = 0.659754
    //   0.15^0.4               = 0.468205; × 0.95 = 0.444795
    //   1.1·10⁸ · 0.659754 / 0.444795 · (45 − 35) = 1 631 603 000 (about)
    //   sum                    = 11 857 666 000 (about)
    //   sum^¼ = 329.989; − 273 = 56.99 °C
    const auto tr = MeanRadiantTemperature(45, 35, 0.5);
    ASSERT_TRUE(tr);
    EXPECT_NEAR(*tr, 56.99, 0.01);
    // Still air: the globe reads the radiant temperature.
    EXPECT_NEAR(*MeanRadiantTemperature(45, 35, 0), 45, 1e-9);
    // A larger globe is less swayed by the air: the same reading means less radiation.
    EXPECT_LT(*MeanRadiantTemperature(45, 35, 0.5, 0.3), *tr);
}

TEST(MeanRadiantTemperature, refusesWhatGivesNoTemperature) {
    EXPECT_FALSE(MeanRadiantTemperature(-200, 40, 20));  // sum below zero
    EXPECT_FALSE(MeanRadiantTemperature(std::numeric_limits<double>::quiet_NaN(), 30, 1));
    EXPECT_FALSE(MeanRadiantTemperature(40, 30, -1));
    EXPECT_FALSE(MeanRadiantTemperature(40, 30, 1, 0));
    EXPECT_FALSE(MeanRadiantTemperature(40, 30, 1, 0.15, 0));
}
