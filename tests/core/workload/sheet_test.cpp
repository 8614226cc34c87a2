#include <gtest/gtest.h>

#include "core/workload/InputRepair.h"
#include "core/workload/WbgtAverage.h"
#include "core/workload/WorkLoadSheet.h"

using namespace montira;
using namespace montira::workload;

TEST(WorkLoadSheet, timerCapsWorkMinutesButNotPostures) {
    WbgtAverages st;
    WorkLoadSheet s(st);
    s.CkType[1] = true;
    s.CkTypeClick(1);
    s.ComboText[2] = "90";
    s.ComboText[11] = "90";  // postures are left as they are
    s.ComboAgeText = "5";
    s.Timer1Tick();
    EXPECT_EQ(s.ComboText[2], "60");
    EXPECT_EQ(s.ComboText[11], "90");
    EXPECT_EQ(s.ComboAgeText, "5");  // the timer does not evaluate (that would force 20)
}

TEST(WorkLoadSheet, timerTickSaysWhetherItRepairedAnything) {
    WbgtAverages st;
    WorkLoadSheet s(st);
    EXPECT_FALSE(s.Timer1Tick());  // nothing typed: the window need not be drawn again
    s.ComboText[2] = "90";
    EXPECT_TRUE(s.Timer1Tick());
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
