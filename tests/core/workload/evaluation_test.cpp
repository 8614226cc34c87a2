#include <gtest/gtest.h>

#include "core/workload/WorkLoadEval.h"

using namespace montira::workload;

namespace {

const QString kCotton = QStringLiteral("Casaco de algodão");
const QString k75 =
    QStringLiteral("75% do tempo em trabalho e 25% do tempo em descanso a cada hora");

// Activities as {index, {minutes per hour, rate}}; rates written out again: light hand work
// 0.4, very heavy whole body 9.0, seated 0.3.
WorkLoadInput With(std::initializer_list<std::pair<int, std::pair<double, double>>> acts) {
    WorkLoadInput in;
    in.cloth = QStringLiteral("Vestimentas leves de verão");
    for (const auto& [i, mr] : acts) {
        in.minutes[i] = mr.first;
        in.ActivityEnergy[i] = mr.first * mr.second;
    }
    return in;
}

}  // namespace

TEST(WorkLoadEvaluation, heavyWorkLimitsAndNegativeLabels) {
    const WorkLoadResult r = EvaluateWorkLoad(With({{10, {60, 0.3}}, {9, {60, 9.0}}}));
    EXPECT_DOUBLE_EQ(r.M, 618);
    EXPECT_EQ(r.LblLoad, "Pesado");
    EXPECT_EQ(r.EffectiveLimits, (std::array<double, 4>{25.0, 25.9, 27.9, 30.0}));
    EXPECT_EQ(LimitLabelText(-20.5), QStringLiteral("-20.5 ºC(-5 ºF)"));  // Int goes down
}

TEST(WorkLoadEvaluation, classBoundsBelongToTheLowerClass) {
    // With no activity M = 60 × weight / 70.
    const std::pair<double, const char*> cases[] = {
        {200, "Leve"}, {350, "Moderado"}, {351, "Pesado"}, {0, "Leve"}};
    for (const auto& [m, load] : cases) {
        WorkLoadInput in = With({});
        in.weight = m * 70 / 60;
        const WorkLoadResult r = EvaluateWorkLoad(in);
        EXPECT_NEAR(r.M, m, 1e-9);
        EXPECT_EQ(r.LblLoad, load) << m;
    }
}

TEST(WorkLoadEvaluation, minutesWeightAndAgeScaleTheRate) {
    WorkLoadInput in = With({{0, {30, 0.4}}});
    in.weight = 80, in.age = 40;
    EXPECT_NEAR(EvaluateWorkLoad(in).M, 66 * (80.0 / 70 / 0.82), 1e-9);

    in = With({});
    in.age = 33;  // not in the list: taken as 20
    const WorkLoadResult r = EvaluateWorkLoad(in);
    EXPECT_TRUE(r.ageForced);
    EXPECT_DOUBLE_EQ(r.M, 60);
}

TEST(WorkLoadEvaluation, clothingLowersEveryLimitOnExactMatchOnly) {
    WorkLoadInput in = With({{10, {60, 0.3}}, {9, {20, 9.0}}});  // (18 + 60 + 60) × 2 = 276
    in.weight = 140, in.cloth = kCotton;
    const WorkLoadResult r = EvaluateWorkLoad(in);
    EXPECT_EQ(r.LblLoad, "Moderado");
    EXPECT_EQ(r.EffectiveLimits, (std::array<double, 4>{24.7, 26, 27.4, 29.1}));
    in.cloth = QStringLiteral("casaco de algodão");
    EXPECT_DOUBLE_EQ(EvaluateWorkLoad(in).EffectiveLimits[0], 26.7);
}

TEST(WorkLoadEvaluation, averageAtALimitTakesThatRegimeAndZeroLeavesThemUnset) {
    const std::tuple<double, double, QString, QString, QString> cases[] = {
        {32.2, 32.25, "",
         QStringLiteral("25% do tempo em trabalho e 75% do tempo em descanso a cada hora"),
         QStringLiteral("Sobrecarga de trabalho")},
        {(28.6 + 28.6 + 28.6) / 3, 20, kCotton, k75, QStringLiteral("Trabalho contínuo")},
        {25, 0, "", "", ""},
        {0, 25, "", "", ""},
    };
    for (const auto& [indoor, outdoor, cloth, regimeIn, regimeOut] : cases) {
        SCOPED_TRACE(indoor);
        WorkLoadInput in = With({});
        if (!cloth.isEmpty()) in.cloth = cloth;
        in.AvgWbgtIndoor = indoor, in.AvgWbgtOutdoor = outdoor;
        const WorkLoadResult r = EvaluateWorkLoad(in);
        EXPECT_EQ(r.regimesSet, !regimeIn.isEmpty());
        EXPECT_EQ(r.LblWRRi, regimeIn);
        EXPECT_EQ(r.LblWRRo, regimeOut);
    }
}
