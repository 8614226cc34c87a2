#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>

#include "support/Processes.h"

// The program montira as a user starts it, offscreen.

namespace {

struct AppRun {
    int code = -1;
    QString out, err;
};

AppRun RunApp(const QString& port) {
    QProcess app;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    app.setProcessEnvironment(env);
    app.start(MONTIRA_APP_PATH, {"--port", port, "--selftest-exit-after-values"});
    AppRun r;
    if (!app.waitForFinished(60000)) {
        app.kill();
        app.waitForFinished(5000);
        return r;
    }
    r.code = app.exitCode();
    r.out = QString::fromUtf8(app.readAllStandardOutput());
    r.err = QString::fromUtf8(app.readAllStandardError());
    return r;
}

}  // namespace

TEST(App, showsLiveValuesFromTheMeterOnAPseudoTerminal) {
    montira::test::SimProcess sim;
    ASSERT_TRUE(sim.path().startsWith("/dev/")) << sim.path().toStdString();
    const AppRun r = RunApp(sim.path());
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("LblCOM=COM " + sim.path())) << r.out.toStdString();
    static const QRegularExpression dry("LblTemperature=-?\\d+\\.\\d\\n");
    EXPECT_TRUE(dry.match(r.out).hasMatch()) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("LblUnitWind=m/s")) << r.out.toStdString();
}

TEST(App, portThatCannotBeOpenedEndsWithTheNoPortMessage) {
    const AppRun r = RunApp("/dev/montira-no-such-port");
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("Não há porta COM disponível")) << r.err.toStdString();
}
