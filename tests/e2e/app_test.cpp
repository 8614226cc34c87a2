#include <gtest/gtest.h>

#include <QRegularExpression>

#include "support/Processes.h"

// The program montira as a user starts it, offscreen.

namespace {

// The tests run with the system in English (LANGUAGE=en_US:en): montira is told Portuguese
// unless a test says otherwise.
montira::test::RunResult RunApp(const QString& port, QStringList lang = {"--lang", "pt"}) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return montira::test::Run(MONTIRA_APP_PATH,
                              QStringList{"--port", port, "--selftest-exit-after-values"} + lang);
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

TEST(App, languageChosenOnceIsRememberedAtTheNextStart) {
    const QString missing = "/dev/montira-no-such-port";
    EXPECT_TRUE(RunApp(missing, {"--lang", "en"}).errText().contains("does not exist"));
    EXPECT_TRUE(RunApp(missing, {}).errText().contains("does not exist"));
    EXPECT_TRUE(RunApp(missing, {"--lang", "pt"}).errText().contains("não existe"));
    EXPECT_TRUE(RunApp(missing, {}).errText().contains("não existe"));
}
