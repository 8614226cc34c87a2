#include <gtest/gtest.h>

#include "core/live/DisplayReplica.h"

using namespace montira;

// The keypad window's replica of the meter's display.

TEST(ReplicaText, lowerValueOf200OrMoreKeepsItsFirstThreeCharacters) {
    StatusFlags f;
    EXPECT_EQ(ReplicaLowerText(f, 250.5), "250");
    EXPECT_EQ(ReplicaLowerText(f, 200.0), "200");
    EXPECT_EQ(ReplicaLowerText(f, 199.9), "199.9");
    EXPECT_EQ(ReplicaLowerText(f, 7), "7.0");
    f.FlagLowerNeg = true;
    EXPECT_EQ(ReplicaLowerText(f, 250.5), "-250.5");  // negative: never cut
    f.FlagLowerBlank = true;
    EXPECT_EQ(ReplicaLowerText(f, 250.5), "- - -");
}

TEST(ReplicaText, upperSpeedInFeetPerMinuteIsAWholeNumber) {
    StatusFlags f;
    EXPECT_EQ(ReplicaUpperText(f, 31.29), "31.2");
    f.FlagWind = true;
    EXPECT_EQ(ReplicaUpperText(f, 31.29), "31.2");  // m/s
    f.FlagImperial = true;
    EXPECT_EQ(ReplicaUpperText(f, 31.29), "312");  // ft/min: whole part of v × 10
    f.FlagUpperNeg = true;
    EXPECT_EQ(ReplicaUpperText(f, 31.29), "-312");
    f.FlagUpperBlank = true;
    EXPECT_EQ(ReplicaUpperText(f, 31.29), "- - -");
}

TEST(ReplicaView, numberFieldClockAndSeparators) {
    StatusFlags f;
    DisplayFields d;
    d.Number = 128 + 7;
    d.Hours = 9;
    d.Minutes = 5;
    d.Seconds = 0;
    ReplicaView v = ComputeReplica(f, d, {});
    EXPECT_EQ(v.LblNo, "07");
    EXPECT_EQ(v.LblHr, "09");
    EXPECT_EQ(v.LblMn, "05");
    EXPECT_EQ(v.LblSc, "00");
    EXPECT_EQ(v.LblSign1, ":");
    f.FlagDate = true;
    f.FlagMemoryFull = true;
    v = ComputeReplica(f, d, {});
    EXPECT_EQ(v.LblNo, "99");
    EXPECT_EQ(v.LblSign1, "/");
    EXPECT_EQ(v.LblSign2, "/");
    EXPECT_TRUE(v.LblFull);
}

TEST(ReplicaView, selectedMaximumBlinksItsChannelAndShowsMax) {
    StatusFlags f;
    f.FlagDry = true;
    f.FlagDryMax = true;  // selection 2: dry-bulb maximum
    ReplicaView v = ComputeReplica(f, {}, {});
    EXPECT_TRUE(v.LblDry);
    EXPECT_TRUE(v.LblMax);
    EXPECT_FALSE(v.LblMin);
    v = ComputeReplica(f, {}, v);
    EXPECT_FALSE(v.LblDry);
    v = ComputeReplica(f, {}, v);
    EXPECT_TRUE(v.LblDry);
    EXPECT_TRUE(v.lblWet);  // not blinking: follows FlagDry

    StatusFlags g;
    g.FlagGlobeMin = true;
    g.FlagGlobe = true;
    ReplicaView w = ComputeReplica(g, {}, {});
    w = ComputeReplica(g, {}, w);
    EXPECT_FALSE(w.LblGlobe);
    EXPECT_TRUE(w.LblMin);
    EXPECT_TRUE(w.LblDew);
}
