#include <gtest/gtest.h>

#include "ui/panel/PanelStartOptions.h"

using namespace montira;

TEST(PanelStartOptions, portAndFileAreKeptAndBadArgumentsReported) {
    StartOptions o = ParseStartOptions({"/home/x/medição.plv", "--port=/dev/ttyUSB0"});
    EXPECT_EQ(o.openFile, "/home/x/medição.plv");
    EXPECT_EQ(o.port, "/dev/ttyUSB0");
    o = ParseStartOptions({"--port", "SIM", "--open", "a.plv"});
    EXPECT_EQ(o.port, "SIM");
    EXPECT_EQ(o.openFile, "a.plv");
    EXPECT_TRUE(o.error.isEmpty());
    for (const QStringList& bad : {QStringList{"--port"}, {"--bogus"}, {"a.plv", "b.plv"}})
        EXPECT_FALSE(ParseStartOptions(bad).error.isEmpty()) << bad.join(' ').toStdString();
}
