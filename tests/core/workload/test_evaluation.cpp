#include <gtest/gtest.h>

#include "core/workload/WorkLoadEval.h"

using namespace montira::workload;

namespace {

const QString kSummer = QStringLiteral("Vestimentas leves de verão");
const QString kCotton = QStringLiteral("Casaco de algodão");
const QString kContinuous = QStringLiteral("Trabalho contínuo");
const QString k75 =
    QStringLiteral("75% do tempo em trabalho e 25% do tempo em descanso a cada hora");
const QString k25 =
    QStringLiteral("25% do tempo em trabalho e 75% do tempo em descanso a cada hora");
const QString kOverload = QStringLiteral("Sobrecarga de trabalho");

// One activity (or two) with minutes per hour; rates written out again: light hand work 0.4,
// very heavy whole body 9.0, seated 0.3.
WorkLoadInput With(std::initializer_list<std::pair<int, std::pair<double, double>>> acts) {
    WorkLoadInput in;
    in.cloth = kSummer;
    for (const auto& [i, mr] : acts) {
        in.minutes[i] = mr.first;
        in.ActivityEnergy[i] = mr.first * mr.second;
    }
    return in;
}

}  // namespace

TEST(WorkLoadEvaluation, seatedWithLightHandWorkIsLightWithTruncatedFahrenheit) {
    WorkLoadInput in = With({{10, {60, 0.3}}, {0, {60, 0.4}}});
    const WorkLoadResult r = EvaluateWorkLoad(in);
    EXPECT_DOUBLE_EQ(r.M, 102);
    EXPECT_EQ(r.LblLoad, "Leve");
    EXPECT_EQ(r.LblC[0], QStringLiteral("30 ºC(86 ºF)"));
    EXPECT_EQ(r.LblC[1], QStringLiteral("30.6 ºC(87 ºF)"));
    EXPECT_EQ(r.LblC[2], QStringLiteral("31.4 ºC(88 ºF)"));
    EXPECT_EQ(r.LblC[3], QStringLiteral("32.2 ºC(89 ºF)"));
    EXPECT_EQ(r.LblC[0].at(3), QChar(0x00BA));  // masculine ordinal, not the degree sign

    in.decimalPoint = QLatin1Char(',');
    EXPECT_EQ(EvaluateWorkLoad(in).LblC[1], QStringLiteral("30,6 ºC(87 ºF)"));
}

TEST(WorkLoadEvaluation, veryHeavyWholeBodyWorkIsHeavy) {
    const WorkLoadResult r = EvaluateWorkLoad(With({{10, {60, 0.3}}, {9, {60, 9.0}}}));
    EXPECT_DOUBLE_EQ(r.M, 618);
    EXPECT_EQ(r.LblLoad, "Pesado");
    EXPECT_EQ(r.EffectiveLimits, (std::array<double, 4>{25.0, 25.9, 27.9, 30.0}));
}

TEST(WorkLoadEvaluation, classBoundsBelongToTheLowerClass) {
    // Weight scales M: with no activity M = 60 × weight / 70.
    WorkLoadInput in = With({});
    in.weight = 200.0 * 70 / 60;
    EXPECT_EQ(EvaluateWorkLoad(in).LblLoad, "Leve");
    in.weight = 350.0 * 70 / 60;
    EXPECT_EQ(EvaluateWorkLoad(in).LblLoad, "Moderado");
    in.weight = 351.0 * 70 / 60;
    EXPECT_EQ(EvaluateWorkLoad(in).LblLoad, "Pesado");
    in.weight = 0;  // an empty weight box
    EXPECT_EQ(EvaluateWorkLoad(in).M, 0);
    EXPECT_EQ(EvaluateWorkLoad(in).LblLoad, "Leve");
}

TEST(WorkLoadEvaluation, partialHourScalesEnergyByMinutesOverSixty) {
    WorkLoadInput in = With({{0, {30, 0.4}}});
    in.weight = 80;
    in.age = 40;
    const double x = 80.0 / 70 / 0.82;
    EXPECT_NEAR(EvaluateWorkLoad(in).M, 66 * x, 1e-9);
}

TEST(WorkLoadEvaluation, ageOutsideTheListIsTakenAsTwenty) {
    WorkLoadInput in = With({});
    in.age = 33;
    WorkLoadResult r = EvaluateWorkLoad(in);
    EXPECT_TRUE(r.ageForced);
    EXPECT_EQ(r.age, 20);
    EXPECT_DOUBLE_EQ(r.M, 60);
    in.age = 65;
    r = EvaluateWorkLoad(in);
    EXPECT_FALSE(r.ageForced);
    EXPECT_DOUBLE_EQ(r.M, 60 / 0.68);
}

TEST(WorkLoadEvaluation, clothingLowersEveryLimit) {
    WorkLoadInput in = With({{10, {60, 0.3}}, {9, {20, 9.0}}});  // 18 + 60 + 60 = 138 × ...
    in.weight = 140;                                             // ... × 2 = 276: moderate
    in.cloth = kCotton;
    WorkLoadResult r = EvaluateWorkLoad(in);
    EXPECT_EQ(r.LblLoad, "Moderado");
    EXPECT_EQ(r.EffectiveLimits, (std::array<double, 4>{24.7, 26, 27.4, 29.1}));
    EXPECT_EQ(r.LblC[1], QStringLiteral("26 ºC(78 ºF)"));

    in.cloth = QStringLiteral("Permeável");
    EXPECT_DOUBLE_EQ(EvaluateWorkLoad(in).EffectiveLimits[0], 20.7);
    in.cloth = QStringLiteral("casaco de algodão");  // no exact match: no correction
    EXPECT_DOUBLE_EQ(EvaluateWorkLoad(in).EffectiveLimits[0], 26.7);
}

TEST(WorkLoadEvaluation, averageAtALimitTakesThatRegime) {
    WorkLoadInput in = With({});
    in.AvgWbgtIndoor = 30.6;
    in.AvgWbgtOutdoor = 30.0;
    WorkLoadResult r = EvaluateWorkLoad(in);
    EXPECT_TRUE(r.regimesSet);
    EXPECT_EQ(r.LblWRRi, k75);
    EXPECT_EQ(r.LblWRRo, kContinuous);

    in.AvgWbgtIndoor = 32.2;
    in.AvgWbgtOutdoor = 32.25;
    r = EvaluateWorkLoad(in);
    EXPECT_EQ(r.LblWRRi, k25);
    EXPECT_EQ(r.LblWRRo, kOverload);

    // A mean of three 28.6 samples carries binary noise; it still meets the 28.6 limit.
    in.cloth = kCotton;
    in.AvgWbgtIndoor = (28.6 + 28.6 + 28.6) / 3;
    EXPECT_EQ(EvaluateWorkLoad(in).LblWRRi, k75);
}

TEST(WorkLoadEvaluation, zeroAverageLeavesTheRegimesUnset) {
    WorkLoadInput in = With({});
    in.AvgWbgtIndoor = 25;
    in.AvgWbgtOutdoor = 0;
    WorkLoadResult r = EvaluateWorkLoad(in);
    EXPECT_FALSE(r.regimesSet);
    EXPECT_TRUE(r.LblWRRi.isEmpty());
    in.AvgWbgtIndoor = 0;
    in.AvgWbgtOutdoor = 25;
    EXPECT_FALSE(EvaluateWorkLoad(in).regimesSet);
}

TEST(WorkLoadEvaluation, limitTextUsesShortestFormAndFloorOfFahrenheit) {
    EXPECT_EQ(LimitLabelText(29.4), QStringLiteral("29.4 ºC(84 ºF)"));
    EXPECT_EQ(LimitLabelText(25.0), QStringLiteral("25 ºC(77 ºF)"));
    EXPECT_EQ(LimitLabelText(-20.5), QStringLiteral("-20.5 ºC(-5 ºF)"));  // Int goes down
}
