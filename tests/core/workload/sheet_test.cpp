#include <gtest/gtest.h>

#include "core/workload/WorkLoadSheet.h"

using namespace montira;
using namespace montira::workload;

namespace {

void Tick(WorkLoadSheet& s, int group, int level, const char* minutes) {
    if (!s.CkType[group]) {
        s.CkType[group] = true;
        s.CkTypeClick(group);
    }
    s.CkHL[level] = true;
    s.CkHLClick(level);
    s.ComboText[level] = QString::fromLatin1(minutes);
    s.ComboClick(level);
}

}  // namespace

TEST(WorkLoadSheet, choicesGiveTheRateAndUntickingDropsTheirMinutes) {
    WbgtAverages st;
    WorkLoadSheet s(st);
    s.CkBody[0] = true;
    s.CkBodyClick(0);
    s.ComboText[10] = "60";
    s.ComboClick(10);
    Tick(s, 0, 0, "60");
    EXPECT_DOUBLE_EQ(s.M, 102);
    s.CkBody[0] = false;
    s.CkBodyClick(0);
    EXPECT_EQ(s.ComboText[10], "0");
    EXPECT_DOUBLE_EQ(s.M, 84);  // 24 + 60

    Tick(s, 3, 7, "30");
    Tick(s, 3, 9, "30");
    s.CkType[3] = false;  // whole body off: its levels are disabled but keep their ticks
    s.CkTypeClick(3);
    for (int k = 6; k <= 9; ++k) {
        EXPECT_FALSE(s.CkHLEnabled[k]);
        EXPECT_EQ(s.ComboText[k], "0");
        EXPECT_EQ(s.ActivityEnergy[k], 0);
    }
    EXPECT_TRUE(s.CkHL[9]);
    EXPECT_DOUBLE_EQ(s.M, 84);
    s.CkType[3] = true;  // on again: the ticks are cleared
    s.CkTypeClick(3);
    EXPECT_FALSE(s.CkHL[9]);
}

TEST(WorkLoadSheet, emptyWeightBecomesZeroAndTheTimerCapsWorkMinutes) {
    WbgtAverages st;
    WorkLoadSheet s(st);
    s.TxtkgText = "";
    s.TxtkgChange();
    s.ComboClothText = QStringLiteral("Permeável");
    s.ComboClothClick();
    EXPECT_EQ(s.TxtkgText, "0");
    EXPECT_EQ(s.M, 0);

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

TEST(WorkLoadSheet, regimesFollowTheAveragesOnlyAfterAnEvaluation) {
    WbgtAverages st;
    WorkLoadSheet s(st);
    st.AvgWbgtIndoor = 29.0;
    st.AvgWbgtOutdoor = 33.0;
    s.RefreshRegimes();
    EXPECT_TRUE(s.LblWRRi.isEmpty());
    s.ComboAgeClick();
    EXPECT_EQ(s.LblWRRi, QStringLiteral("Trabalho contínuo"));
    EXPECT_EQ(s.LblWRRo, QStringLiteral("Sobrecarga de trabalho"));
    st.AvgWbgtOutdoor = 0;  // no mean: the labels keep what they show
    s.ComboAgeClick();
    s.RefreshRegimes();
    EXPECT_EQ(s.LblWRRo, QStringLiteral("Sobrecarga de trabalho"));
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
