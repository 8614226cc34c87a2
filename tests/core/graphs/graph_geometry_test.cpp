#include <gtest/gtest.h>

#include "core/graphs/ChartSettings.h"
#include "core/graphs/GraphGeometry.h"
#include "core/graphs/PlotSettings.h"

using namespace montira;

// The drawing tests place pixels on the 640 × 480 layout; a tiny window gets no area at all.
TEST(GraphGeometry, tooSmallAWindowHasAnEmptyAreaNotANegativeOne) {
    const GraphLayout g = LayoutFor(QSize(50, 100));
    EXPECT_EQ(std::pair(g.width, g.height), std::pair(0.0, 0.0));
}

TEST(GraphGeometry, labelTextsHaveOneDecimalCut) {
    const std::pair<double, const char*> rows[] = {
        {25, "25.0"},    {12.75, "12.7"}, {0.5, "0.5"},       {-2.5, "-2.5"},
        {-1.25, "-1.2"}, {130, "130.0"},  {5905.5, "5905.5"}, {1e-16, "0.0"}};
    for (const auto& [v, text] : rows) EXPECT_EQ(LabelText(v), QString(text)) << v;
}

TEST(GraphGeometry, heightsOutsideTheScaleSitAboveOrBelowTheArea) {
    EXPECT_EQ(HeightAbove(true, 130, -20, 130, 300), 300);    // the maximum: the top edge
    EXPECT_EQ(HeightAbove(true, 130.1, -20, 130, 300), 305);  // above it: 5 over the top
    EXPECT_EQ(HeightAbove(false, 25, -20, 130, 300), 305);    // no value: over the top too
    EXPECT_EQ(HeightAbove(true, -20.1, -20, 130, 300), -3);
    EXPECT_EQ(HeightAbove(true, 55, -20, 130, 300), 150);
}

TEST(GraphGeometry, timeLabelsAndTicksOfAPlot) {
    using V = std::vector<long long>;
    const std::tuple<int, V, V> rows[] = {{0, {}, {}},
                                          {1, {1}, {}},
                                          {7, {1, 2, 4, 5, 7}, {3, 6}},
                                          {100, {1, 20, 40, 60, 80, 100}, {10, 30, 50, 70, 90}}};
    for (const auto& [n, labels, ticks] : rows) {
        EXPECT_EQ(PlotLabelRecords(n), labels) << n;
        EXPECT_EQ(PlotTickRecords(n), ticks) << n;
    }
}

TEST(ChartRange, refusedGroupsKeepTheirMessageAndStoreNothingFromThere) {
    const char* kC = "-20 <= ºC <= 130, tente novamente!";
    const char* kN = "10 <= Resultados <= 864000, tente novamente!";
    const char *kW = "0 <= m/s <= 30, tente novamente!", *kF = "-4 <= ºF <= 266, tente novamente!";
    const std::tuple<const char*, ChartRangeInput, const char*> rows[] = {
        {"temperatureAboveLimit", {true, "131", "0", "30", "0", "100", "0", "540"}, kC},
        {"temperatureReversed", {true, "10", "20", "30", "0", "100", "0", "540"}, kC},
        {"windAbove30", {true, "130", "-20", "31", "0", "100", "0", "540"}, kW},
        {"fahrenheitBelowMinus4", {false, "266", "-5", "6000", "0", "100", "0", "540"}, kF},
        {"nineResults", {true, "130", "-20", "30", "0", "100", "0", "9"}, kN},
        {"resultsNotANumber", {true, "130", "-20", "30", "0", "100", "0", "abc"}, kN},
    };
    for (const auto& [name, in, expected] : rows) {
        SCOPED_TRACE(name);
        ChartSettings s;
        QString message;
        EXPECT_FALSE(ApplyChartRange(s, in, 540, message));
        EXPECT_EQ(message, QString(expected));
        EXPECT_EQ(s.ChartStep, 1);
    }
    // The temperature and air-speed pairs are stored before the (reversed) humidity group fails.
    ChartSettings s;
    QString message;
    EXPECT_FALSE(
        ApplyChartRange(s, {false, "100", "32", "6000", "0", "50", "60", "10"}, 540, message));
    EXPECT_EQ(message, "0 <= %UR <= 100, tente novamente!");
    EXPECT_DOUBLE_EQ(s.ChartTempMaxC, 37.7);   // 100 °F, cut to tenths
    EXPECT_DOUBLE_EQ(s.ChartWindMaxMs, 30.4);  // 6000 ft/min
    EXPECT_DOUBLE_EQ(s.ChartTempMinC, 0);
    EXPECT_EQ(s.ChartRhMax, 100);
}

TEST(ChartRange, tenResultsOnFiveHundredFortyGiveAStepOfFiftyFourAndNoAreaKeepsTheStep) {
    const ChartRangeInput in{true, "50", "0", "30", "0", "90", "10", "10"};
    ChartSettings s;
    QString message;
    ASSERT_TRUE(ApplyChartRange(s, in, 540, message));
    EXPECT_EQ(s.ChartStep, 54);
    EXPECT_DOUBLE_EQ(s.ChartWindMaxFtm, 5905.5);  // 30 m/s in ft/min, cut to tenths
    EXPECT_DOUBLE_EQ(s.ChartTempMaxF, 122);
    EXPECT_EQ(s.ChartRhMin, 10);
    s.ChartStep = 2;
    EXPECT_TRUE(ApplyChartRange(s, in, 0, message));
    EXPECT_EQ(s.ChartStep, 2);
}

TEST(PlotRange, refusedRecordRanges) {
    // Same record, from zero, beyond the last, reversed, empty.
    const std::pair<const char*, const char*> rows[] = {
        {"5", "5"}, {"0", "10"}, {"1", "21"}, {"10", "2"}, {"", ""}};
    QString message;
    for (const auto& [from, to] : rows) {
        PlotSettings s = PlotSettingsFor(QStringLiteral("(°C)"), 20);
        EXPECT_FALSE(ApplyPlotRange(s, {"130", "-20", "100", "0", "30", "0", from, to}, message))
            << from << "-" << to;
        EXPECT_EQ(message, QStringLiteral("Comando inválido, tente novamente!"));
        EXPECT_EQ(s.PlotCount, 20);
    }
    PlotSettings s = PlotSettingsFor(QStringLiteral("(°C)"), 20);
    ASSERT_TRUE(ApplyPlotRange(s, {"40", "10", "100", "0", "10", "0", "5", "20"}, message));
    EXPECT_EQ(s.PlotCount, 16);
    EXPECT_EQ(s.PlotTempMaxF, 104);
}

TEST(PlotRange, fahrenheitListTakesItsUnitFromTheFirstHeading) {
    PlotSettings s = PlotSettingsFor(QStringLiteral("( °F )"), 3);
    EXPECT_EQ(s.ListUnit, QStringLiteral("°F"));
    QString message;
    EXPECT_FALSE(ApplyPlotRange(s, {"267", "-4", "100", "0", "6000", "0", "1", "3"}, message));
    EXPECT_EQ(message, QStringLiteral("-4 <= ºF <= 266, tente novamente!"));
    ASSERT_TRUE(ApplyPlotRange(s, {"212", "32", "100", "0", "6000", "0", "1", "3"}, message));
    EXPECT_DOUBLE_EQ(s.PlotTempMaxC, 100);  // derived without cutting
}
