#include <gtest/gtest.h>

#include "core/workload/InputRepair.h"
#include "core/workload/WbgtAverage.h"
#include "core/workload/WorkLoadEval.h"
#include "core/workload/WorkLoadSheet.h"

using namespace montira;
using namespace montira::workload;

TEST(WorkLoadSheet, timerCapsWorkMinutesButNotPosturesAndSaysWhetherItRepairedAnything) {
    WbgtAverages st;
    WorkLoadSheet s(st);
    EXPECT_FALSE(s.Timer1Tick());  // nothing typed: the window need not be drawn again
    s.ComboText[2] = "90";
    s.ComboText[11] = "90";  // postures are left as they are
    s.ComboAgeText = "5";
    EXPECT_TRUE(s.Timer1Tick());
    EXPECT_EQ(s.ComboText[2], "60");
    EXPECT_EQ(s.ComboText[11], "90");
    EXPECT_EQ(s.ComboAgeText, "5");  // the timer does not evaluate (that would force 20)
    EXPECT_FALSE(s.Timer1Tick());
    s.CkType[0] = true;
    EXPECT_TRUE(s.Timer1Tick());  // the minutes-per-hour caption appears
}

TEST(WorkLoadInputRepair, ageOutsideTheListBecomesTwentyAndWeightGivesPounds) {
    for (const char* bad : {"", "33", "100", "a5", "-5"})
        EXPECT_EQ(RepairAgeText(bad), "20") << bad;
    for (const char* kept : {"45", "5"})  // one digit waits for the evaluation to force it
        EXPECT_EQ(RepairAgeText(kept), kept);
    for (QChar c : QStringLiteral("a-,e +")) EXPECT_FALSE(WeightKeyAccepted(c)) << c.unicode();
    EXPECT_EQ(PoundsText("72.5"), "159.8");
    EXPECT_EQ(PoundsText(""), "0.0");
    EXPECT_EQ(PoundsText("72.5", QLatin1Char(',')), "159,8");
    EXPECT_EQ(PoundsText(QString(400, QLatin1Char('9'))), "0.0");  // beyond double: no crash
}

namespace {

Reading Sample(const char* in, const char* out) {
    Reading r;
    r.WbgtIndoorText = QString::fromUtf8(in);
    r.WbgtOutdoorText = QString::fromUtf8(out);
    return r;
}

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

TEST(WbgtAverage, invalidSampleCountsButStaysOutOfItsMean) {
    WbgtAverages s;
    AddWbgtSample(s, Sample("30.0", "29.0"));
    AddWbgtSample(s, Sample("31.0", "- - -"));  // dry bulb out of range: outdoor invalid
    AddWbgtSample(s, Sample("30.7", "29.6"));
    EXPECT_EQ(s.AvgSampleCount, 3);
    EXPECT_DOUBLE_EQ(s.AvgWbgtIndoor, 30.566666666666666);
    EXPECT_DOUBLE_EQ(s.AvgWbgtOutdoor, 29.3);  // not (29 + 0 + 29.6) / 3

    // The Environment button clears only the count and the sums: the valid counts restart too.
    s.AvgSampleCount = s.AvgSumIndoor = s.AvgSumOutdoor = 0;
    AddWbgtSample(s, Sample("20.0", "22.0"));
    EXPECT_DOUBLE_EQ(s.AvgWbgtIndoor, 20.0);
    EXPECT_DOUBLE_EQ(s.AvgWbgtOutdoor, 22.0);
}

TEST(WbgtAverage, labelCutsToOneDecimalAndWholeFahrenheit) {
    const std::pair<double, const char*> cases[] = {
        {-3.25, "-3.2ºC / 26 ºF"},
        {(25.3 + 25.3 + 25.3) / 3, "25.3ºC / 77 ºF"},  // a hair below 25.3 in binary
    };
    for (const auto& [v, text] : cases)
        EXPECT_EQ(AverageLabelText(v), QString::fromUtf8(text)) << v;
}

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
