#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>

#include "support/Processes.h"

// The program montira as a user starts it, against the simulated meter on a pseudo-terminal.

namespace {

QProcessEnvironment Offscreen() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    return env;
}

void Stop(QProcess& p) {
    if (p.state() == QProcess::NotRunning) return;
    p.terminate();
    if (!p.waitForFinished(5000)) {
        p.kill();
        p.waitForFinished(5000);
    }
}

}  // namespace

TEST(App, showsLiveValuesFromTheMeterOnAPseudoTerminal) {
#ifndef Q_OS_LINUX
    GTEST_SKIP() << "pseudo-terminals are a Linux matter here";
#endif
    montira::test::SimProcess sim;
    const QString path = sim.path();
    ASSERT_TRUE(path.startsWith("/dev/")) << path.toStdString();

    QProcess app;
    app.setProcessEnvironment(Offscreen());
    app.start(MONTIRA_APP_PATH, {"--port", path, "--selftest-exit-after-values"});
    ASSERT_TRUE(app.waitForStarted(10000));
    const bool finished = app.waitForFinished(60000);
    const QString out = QString::fromUtf8(app.readAllStandardOutput());
    const QString err = QString::fromUtf8(app.readAllStandardError());
    Stop(app);
    sim.kill();
    ASSERT_TRUE(finished) << err.toStdString();
    EXPECT_EQ(app.exitCode(), 0) << err.toStdString();
    EXPECT_TRUE(out.contains("LblCOM=COM " + path)) << out.toStdString();
    static const QRegularExpression dry("LblTemperature=-?\\d+\\.\\d\\n");
    EXPECT_TRUE(dry.match(out).hasMatch()) << out.toStdString();
    EXPECT_TRUE(out.contains("LblUnitWind=m/s")) << out.toStdString();
}

TEST(App, portThatCannotBeOpenedEndsWithTheNoPortMessage) {
    QProcess app;
    app.setProcessEnvironment(Offscreen());
    app.start(MONTIRA_APP_PATH,
              {"--port", "/dev/montira-no-such-port", "--selftest-exit-after-values"});
    ASSERT_TRUE(app.waitForStarted(10000));
    ASSERT_TRUE(app.waitForFinished(30000));
    EXPECT_EQ(app.exitCode(), 1);
    const QString err = QString::fromUtf8(app.readAllStandardError());
    EXPECT_TRUE(err.contains("Não há porta COM disponível")) << err.toStdString();
}

TEST(App, unknownOptionIsAUsageError) {
    QProcess app;
    app.setProcessEnvironment(Offscreen());
    app.start(MONTIRA_APP_PATH, {"--no-such-option"});
    ASSERT_TRUE(app.waitForStarted(10000));
    ASSERT_TRUE(app.waitForFinished(30000));
    EXPECT_EQ(app.exitCode(), 2);
}
