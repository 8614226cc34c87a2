#include <gtest/gtest.h>

#include <cmath>

#include "core/workload/Exposure.h"
#include "core/workload/WbgtSeries.h"

using namespace montira::exposure;
using montira::TextTable;

TEST(ExposureFormulas, limitsAtKnownRates) {
    EXPECT_EQ(std::round(ExposureLimit(178) * 10) / 10, 30.8);
    EXPECT_EQ(std::round(ExposureLimit(332) * 10) / 10, 27.7);
    EXPECT_NEAR(ActionLevel(178), 28.2, 0.05);
}

TEST(ExposureFormulas, verdictBoundariesBelongToTheMiddleBand) {
    const double al = 28, l = 30;
    EXPECT_EQ(Judge(std::nextafter(al, 0.0), al, l), Verdict::BelowActionLevel);
    EXPECT_EQ(Judge(al, al, l), Verdict::BetweenLevels);
    EXPECT_EQ(Judge(l, al, l), Verdict::BetweenLevels);
    EXPECT_EQ(Judge(std::nextafter(l, 100.0), al, l), Verdict::AboveLimit);
}

TEST(ExposureFormulas, evaluationAddsClothingAndGivesMarginBelowTheLimit) {
    const Evaluation e = Evaluate(27.5, 178, 3);
    EXPECT_DOUBLE_EQ(e.exposure, 30.5);
    EXPECT_NEAR(e.margin, ExposureLimit(178) - 30.5, 1e-12);
    EXPECT_EQ(e.verdict, Verdict::BetweenLevels);
    EXPECT_LT(Evaluate(27.5, 178, 11).margin, 0);
}

TEST(WorkPeriods, meanRateWeighsByMinutes) {
    const auto m = MeanMetabolicRate({{40, 180, "montagem"}, {20, 297, "transporte"}}, nullptr);
    ASSERT_TRUE(m);
    EXPECT_DOUBLE_EQ(*m, (40 * 180 + 20 * 297) / 60.0);
}

TEST(WorkPeriods, refusedPeriods) {
    const std::pair<const char*, std::vector<WorkPeriod>> cases[] = {
        {"none", {}},
        {"short of an hour", {{30, 180, ""}, {20, 297, ""}}},
        {"over an hour", {{45, 180, ""}, {20, 297, ""}}},
        {"negative minutes", {{70, 180, ""}, {-10, 297, ""}}},
        {"zero watts", {{60, 0, ""}}},
        {"not a number", {{60, std::nan(""), ""}}},
        {"absurd rate", {{60, 1e6, ""}}},
    };
    for (const auto& [name, periods] : cases) {
        QString why;
        EXPECT_FALSE(MeanMetabolicRate(periods, &why)) << name;
        EXPECT_FALSE(why.isEmpty()) << name;
    }
}

TEST(Clothing, presetNamesAndNumbers) {
    double v = -1;
    for (auto [text, value] :
         {std::pair{"Macacão de poliolefina", 1.0}, {"0,5", 0.5}, {" 11 ", 11.0}})
        EXPECT_TRUE(ParseClothing(text, v) && v == value) << text;
    for (const char* bad : {"", "macacão", "1e400", "nan", "abc"})
        EXPECT_FALSE(ParseClothing(bad, v)) << bad;
}

TEST(WbgtReadings, skipUnreadableRowsAndConvertFahrenheit) {
    TextTable t;
    auto row = [&](const char* date, const char* time, const char* in, const char* out) {
        t.appendRow({"1", date, time, "", "", "", "", in, out, "", "", ""});
    };
    row("24/03/07", "10:00:00", "86.0", "- - -");
    row("24/03/07", "10:01:00", "- - -", "90.5");
    row("24/02/30", "10:02:00", "80.0", "80.0");  // no such day
    row("24/03/07", "25:00:00", "80.0", "80.0");  // no such hour
    row("24/03/07", "10:03:00", "95.0", "95.0");
    const WbgtSeries in = ReadWbgtSeries({"( °F )"}, t, WbgtIndex::Indoor);
    ASSERT_EQ(in.size(), 2);
    EXPECT_EQ(in.rows, (std::vector<int>{0, 4}));
    EXPECT_DOUBLE_EQ(in.celsius(in.milli[0]), 30);
    EXPECT_EQ(in.ticks[1] - in.ticks[0], 3 * 60 * 2);
    EXPECT_EQ(ReadWbgtSeries({"(°F)"}, t, WbgtIndex::Outdoor).rows, (std::vector<int>{1, 4}));
    EXPECT_DOUBLE_EQ(ReadWbgtSeries({"(°C)"}, t, WbgtIndex::Indoor).celsius(86000), 86);
}

TEST(WbgtReadings, stampTextRoundTripsAcrossMidnightAndYears) {
    for (const char* text : {"99/12/31 23:59:59", "24/02/29 12:30:05"}) {
        qint64 t = 0;
        ASSERT_TRUE(ParseStampText(text, t)) << text;
        EXPECT_EQ(StampText(t), QString(text));
    }
    qint64 t = 0;
    ASSERT_TRUE(ParseStampText("24/03/07 23:30:00", t));
    EXPECT_EQ(StampText(t + kHourTicks), QStringLiteral("24/03/08 00:30:00"));
    EXPECT_FALSE(ParseStampText("24/03/07 10:00", t));
}
