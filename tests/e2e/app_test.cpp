#include <gtest/gtest.h>

#include <QRegularExpression>

#include "support/Processes.h"

// The program montira as a user starts it, offscreen.

namespace {

montira::test::RunResult RunApp(const QString& port) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return montira::test::Run(MONTIRA_APP_PATH, {"--port", port, "--selftest-exit-after-values"});
}

}  // namespace

TEST(App, showsLiveValuesFromTheMeterOnAPseudoTerminal) {
    montira::test::SimProcess sim;
    ASSERT_TRUE(sim.path().startsWith("/dev/")) << sim.path().toStdString();
    const montira::test::RunResult r = RunApp(sim.path());
    ASSERT_EQ(r.code, 0) << r.err.constData();
    const QString out = QString::fromUtf8(r.out);
    EXPECT_TRUE(out.contains("LblCOM=COM " + sim.path())) << r.out.constData();
    static const QRegularExpression dry("LblTemperature=-?\\d+\\.\\d\\n");
    EXPECT_TRUE(dry.match(out).hasMatch()) << r.out.constData();
}

TEST(App, portThatCannotBeOpenedEndsWithTheNoPortMessage) {
    const montira::test::RunResult r = RunApp("/dev/montira-no-such-port");
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.errText().contains("Não há porta COM disponível")) << r.err.constData();
}
