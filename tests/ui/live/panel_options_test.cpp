#include <gtest/gtest.h>

#include "ui/live/PanelStartOptions.h"

using namespace montira;

TEST(PanelStartOptions, portOpenAndALoneFileAreKept) {
    StartOptions o = ParseStartOptions({"--port", "SIM", "--open", "a.plv"});
    EXPECT_EQ(o.port, "SIM");
    EXPECT_EQ(o.openFile, "a.plv");
    EXPECT_TRUE(o.error.isEmpty());

    o = ParseStartOptions({"/home/x/medição.plv", "--port=/dev/ttyUSB0"});
    EXPECT_EQ(o.openFile, "/home/x/medição.plv");
    EXPECT_EQ(o.port, "/dev/ttyUSB0");

    o = ParseStartOptions({"--selftest-exit-after-values"});
    EXPECT_TRUE(o.selftestExitAfterValues);
}

TEST(PanelStartOptions, badArgumentsAreReported) {
    EXPECT_FALSE(ParseStartOptions({"--port"}).error.isEmpty());
    EXPECT_FALSE(ParseStartOptions({"--bogus"}).error.isEmpty());
    EXPECT_FALSE(ParseStartOptions({"a.plv", "b.plv"}).error.isEmpty());
}
