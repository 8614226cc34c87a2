#include <gtest/gtest.h>

#include "core/workload/InputRepair.h"

using namespace montira::workload;

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
