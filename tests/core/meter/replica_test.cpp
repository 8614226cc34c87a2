#include <gtest/gtest.h>

#include "core/meter/DisplayReplica.h"

using namespace montira;

TEST(ReplicaText, lowerValueOf200OrMoreKeepsItsFirstThreeCharacters) {
    StatusFlags f;
    EXPECT_EQ(ReplicaLowerText(f, 250.5), "250");
    EXPECT_EQ(ReplicaLowerText(f, 199.9), "199.9");
    f.FlagLowerNeg = true;
    EXPECT_EQ(ReplicaLowerText(f, 250.5), "-250.5");  // negative: never cut
    f.FlagLowerBlank = true;
    EXPECT_EQ(ReplicaLowerText(f, 250.5), "- - -");
}

TEST(ReplicaText, upperSpeedInFeetPerMinuteIsAWholeNumber) {
    StatusFlags f;
    f.FlagWind = true;
    EXPECT_EQ(ReplicaUpperText(f, 31.29), "31.2");
    f.FlagImperial = true;
    EXPECT_EQ(ReplicaUpperText(f, 31.29), "312");
    f.FlagUpperNeg = true;
    EXPECT_EQ(ReplicaUpperText(f, 31.29), "-312");
}

TEST(ReplicaView, numberFieldAndSelectedMaximumBlinks) {
    StatusFlags f;
    DisplayFields d;
    d.Number = 128 + 7;
    EXPECT_EQ(ComputeReplica(f, d, {}).LblNo, "07");
    f.FlagMemoryFull = true;
    EXPECT_EQ(ComputeReplica(f, d, {}).LblNo, "99");

    StatusFlags g;
    g.FlagDry = g.FlagDryMax = true;
    ReplicaView v = ComputeReplica(g, {}, {});
    EXPECT_TRUE(v.LblDry && v.LblMax);
    EXPECT_FALSE(ComputeReplica(g, {}, v).LblDry);
}
