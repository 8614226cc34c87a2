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
