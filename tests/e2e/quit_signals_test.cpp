#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>

#include "support/Processes.h"

// SIGINT and SIGTERM end montira and montira-cli record as their own close does: the
// recording closed with whole lines, the serial port's lock file gone.

using montira::test::FileLines;
using montira::test::ReadBytes;
using montira::test::SimProcess;

namespace {

// The lock file that the serial port takes for a device ("/dev/pts/3": LCK..pts_3), in the
// first lock folder Qt uses; empty when that folder cannot be written (no lock is taken).
QString LockFileOf(const QString& device) {
    if (!QFileInfo(QStringLiteral("/var/lock")).isWritable()) return {};
    QString name = device.mid(QStringLiteral("/dev/").size());
    name.replace(u'/', u'_');
    return QStringLiteral("/var/lock/LCK..") + name;
}

bool WaitFor(const std::function<bool()>& done, int ms) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms) QThread::msleep(50);
    return done();
}

}  // namespace

TEST(QuitSignals, recordClosesItsFileAndPortAndEndsWithTheSignalsCode) {
    const struct {
        const char* name;
        int signal;
    } rows[] = {{"SIGTERM", SIGTERM}, {"SIGINT", SIGINT}};
    for (const auto& row : rows) {
        SimProcess sim;
        ASSERT_FALSE(sim.path().isEmpty());
        QTemporaryDir dir;
        const QString out = dir.filePath("parado.plv");
        QProcess rec;
        rec.start(MONTIRA_CLI_PATH, {"record", "--port", sim.path(), "--out", out, "--samples",
                                     "100000", "--interval", "1", "--timeout", "20"});
        ASSERT_TRUE(rec.waitForStarted(10000)) << row.name;
        ASSERT_TRUE(WaitFor([&] { return FileLines(out).size() >= 3; }, 30000)) << row.name;
        const QString lock = LockFileOf(sim.path());
        EXPECT_TRUE(lock.isEmpty() || QFileInfo::exists(lock)) << row.name << qPrintable(lock);

        ::kill(pid_t(rec.processId()), row.signal);
        ASSERT_TRUE(rec.waitForFinished(10000)) << row.name;
        EXPECT_EQ(rec.exitStatus(), QProcess::NormalExit) << row.name;
        EXPECT_EQ(rec.exitCode(), 128 + row.signal) << row.name;
        const QString err = QString::fromUtf8(rec.readAllStandardError());
        EXPECT_TRUE(err.contains(QStringLiteral("interrompido por %1").arg(row.name)))
            << qPrintable(err);
        EXPECT_TRUE(err.contains(out)) << qPrintable(err);

        EXPECT_TRUE(ReadBytes(out).endsWith("\t\r\n")) << row.name;
        const QList<QByteArray> lines = FileLines(out);
        for (int i = 1; i < lines.size(); ++i)
            EXPECT_TRUE(lines[i].startsWith(QByteArray::number(i) + '\t')) << row.name << i;
        EXPECT_TRUE(lock.isEmpty() || !QFileInfo::exists(lock)) << row.name << qPrintable(lock);
    }
}

TEST(QuitSignals, montiraClosesAsItsWindowDoesAndReleasesThePort) {
    SimProcess sim;
    ASSERT_FALSE(sim.path().isEmpty());
    QProcess app;
    app.start(MONTIRA_APP_PATH, {"--port", sim.path(), "--selftest-trace-values"});
    ASSERT_TRUE(app.waitForStarted(10000));
    // A line of values: the port is open and the meter answers.
    ASSERT_TRUE(WaitFor(
        [&] {
            app.waitForReadyRead(50);
            return app.canReadLine();
        },
        30000));
    const QString lock = LockFileOf(sim.path());
    EXPECT_TRUE(lock.isEmpty() || QFileInfo::exists(lock)) << qPrintable(lock);

    ::kill(pid_t(app.processId()), SIGTERM);
    ASSERT_TRUE(app.waitForFinished(10000));
    EXPECT_EQ(app.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(app.exitCode(), 0);
    EXPECT_TRUE(lock.isEmpty() || !QFileInfo::exists(lock)) << qPrintable(lock);
}
