#include <gtest/gtest.h>

#include "core/workload/InputRepair.h"

using namespace montira::workload;

TEST(WorkLoadInputRepair, ageTextOutsideTheListBecomesTwenty) {
    EXPECT_EQ(RepairAgeText(""), "20");
    EXPECT_EQ(RepairAgeText("33"), "20");
    EXPECT_EQ(RepairAgeText("70"), "20");
    EXPECT_EQ(RepairAgeText("100"), "20");
    EXPECT_EQ(RepairAgeText("a5"), "20");
    EXPECT_EQ(RepairAgeText("-5"), "20");
    EXPECT_EQ(RepairAgeText("45"), "45");
    EXPECT_EQ(RepairAgeText("65"), "65");
    EXPECT_EQ(RepairAgeText("5"), "5");  // one digit waits for the evaluation to force it
}

TEST(WorkLoadInputRepair, weightKeysAndPounds) {
    for (QChar c : QStringLiteral("0123456789.\b"))
        EXPECT_TRUE(WeightKeyAccepted(c)) << c.unicode();
    for (QChar c : QStringLiteral("a-,e +")) EXPECT_FALSE(WeightKeyAccepted(c)) << c.unicode();
    EXPECT_EQ(PoundsText("72.5"), "159.8");
    EXPECT_EQ(PoundsText("70"), "154.3");
    EXPECT_EQ(PoundsText(""), "0.0");
    EXPECT_EQ(PoundsText("72.5", QLatin1Char(',')), "159,8");
    EXPECT_EQ(PoundsText(QString(400, QLatin1Char('9'))), "0.0");  // beyond double: no crash
}
