#include <gtest/gtest.h>

#include "core/workload/WbgtAverage.h"

using namespace montira;
using namespace montira::workload;

namespace {
Reading Sample(const char* in, const char* out) {
    Reading r;
    r.WbgtIndoorText = QString::fromUtf8(in);
    r.WbgtOutdoorText = QString::fromUtf8(out);
    return r;
}
}  // namespace

TEST(WbgtAverage, invalidSampleCountsButStaysOutOfItsMean) {
    AppState s;
    AddWbgtSample(s, Sample("30.0", "29.0"));
    AddWbgtSample(s, Sample("31.0", "- - -"));  // dry bulb out of range: outdoor invalid
    AddWbgtSample(s, Sample("30.7", "29.6"));
    EXPECT_EQ(s.AvgSampleCount, 3);
    EXPECT_DOUBLE_EQ(s.AvgWbgtIndoor, 30.566666666666666);
    EXPECT_DOUBLE_EQ(s.AvgWbgtOutdoor, 29.3);  // not (29 + 0 + 29.6) / 3

    AppState none;
    AddWbgtSample(none, Sample("- - -", ""));
    EXPECT_EQ(none.AvgSampleCount, 1);
    EXPECT_EQ(none.AvgWbgtIndoor, 0);
    EXPECT_EQ(none.AvgWbgtOutdoor, 0);
}

TEST(WbgtAverage, zeroedCountRestartsTheMeans) {
    AppState s;
    AddWbgtSample(s, Sample("40.0", "40.0"));
    // The Environment button clears only the count and the sums.
    s.AvgSampleCount = s.AvgSumIndoor = s.AvgSumOutdoor = 0;
    AddWbgtSample(s, Sample("20.0", "22.0"));
    EXPECT_DOUBLE_EQ(s.AvgWbgtIndoor, 20.0);
    EXPECT_DOUBLE_EQ(s.AvgWbgtOutdoor, 22.0);
    ResetWbgtAverages(s);
    EXPECT_EQ(s.AvgWbgtIndoor, 0);
    EXPECT_EQ(s.AvgValidIndoor, 0);
}

TEST(WbgtAverage, labelCutsToOneDecimalAndWholeFahrenheit) {
    EXPECT_EQ(AverageLabelText(25.37), QStringLiteral("25.3ºC / 77 ºF"));
    EXPECT_EQ(AverageLabelText(0.5), QStringLiteral(".5ºC / 32 ºF"));
    EXPECT_EQ(AverageLabelText(0), QStringLiteral(".0ºC / 32 ºF"));
    EXPECT_EQ(AverageLabelText(-3.25), QStringLiteral("-3.2ºC / 26 ºF"));
    // A mean that lands a hair below 25.3 in binary still reads 25.3.
    EXPECT_EQ(AverageLabelText((25.3 + 25.3 + 25.3) / 3), QStringLiteral("25.3ºC / 77 ºF"));
    EXPECT_EQ(AverageLabelText(25.299999999999997), QStringLiteral("25.3ºC / 77 ºF"));
}
