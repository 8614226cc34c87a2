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

TEST(PanelStartOptions, selftestOpenNamesTheWindowAndAcceptsThePort) {
    StartOptions o = ParseStartOptions({"--selftest-open", "graph", "--port", "SIM"});
    EXPECT_EQ(o.selftestOpen, StartOptions::Window::Graph);
    EXPECT_TRUE(o.selftestAcceptPort);
    EXPECT_TRUE(o.error.isEmpty());
    EXPECT_EQ(ParseStartOptions({"--selftest-open", "workload"}).selftestOpen,
              StartOptions::Window::WorkLoad);
    for (const QStringList& bad :
         {QStringList{"--selftest-open"}, {"--selftest-open", "chart"}, {"--selftest-open", ""}})
        EXPECT_FALSE(ParseStartOptions(bad).error.isEmpty()) << bad.join(' ').toStdString();
}

TEST(PanelStartOptions, emptyEqualsFormDoesNotClearAnEarlierValue) {
    // As a script writes it with an unset variable after a default.
    const StartOptions o = ParseStartOptions({"--port=SIM", "--port=", "--open=a.plv", "--open="});
    EXPECT_EQ(o.port, "SIM");
    EXPECT_EQ(o.openFile, "a.plv");
    EXPECT_TRUE(o.error.isEmpty());
}
