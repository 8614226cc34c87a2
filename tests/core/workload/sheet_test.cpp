#include <gtest/gtest.h>

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
