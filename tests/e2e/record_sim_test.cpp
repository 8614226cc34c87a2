#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>

#include "support/Processes.h"

// montira-cli record against the simulated meter on a pseudo-terminal, as a user would run
// it against a real meter (the faults on the line: fault_injection_test).

using montira::test::FileLines;
using montira::test::SimProcess;

TEST(RecordAgainstSimulatedMeter, killedRecordingLeavesOnlyCompleteLines) {
    SimProcess sim;
    ASSERT_FALSE(sim.path().isEmpty());
    QTemporaryDir dir;
    const QString out = dir.filePath("morto.plv");
    QProcess rec;
    rec.start(MONTIRA_CLI_PATH, {"record", "--port", sim.path(), "--out", out, "--samples",
                                 "100000", "--interval", "1", "--fahrenheit", "--timeout", "20"});
    ASSERT_TRUE(rec.waitForStarted(10000));
    QElapsedTimer t;
    t.start();
    while (FileLines(out).size() < 4 && t.elapsed() < 30000) QThread::msleep(50);
    ASSERT_GE(FileLines(out).size(), 4);
    ::kill(pid_t(rec.processId()), SIGKILL);
    ASSERT_TRUE(rec.waitForFinished(10000));
    EXPECT_EQ(rec.exitStatus(), QProcess::CrashExit);

    QFile f(out);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().endsWith("\t\r\n"));  // nothing half-written at the end
    const QList<QByteArray> lines = FileLines(out);
    EXPECT_TRUE(
        lines[0].startsWith("(\xB0"
                            "F)\t"));
    for (int i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].count('\t'), 12) << i;
        EXPECT_TRUE(lines[i].endsWith("\t\r")) << i;
        EXPECT_TRUE(i == 0 || lines[i].startsWith(QByteArray::number(i) + '\t')) << i;
    }
}
