// The logger, settings, keypad and manual-record commands against `montira-cli sim --pty`.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include "sim/SimMeter.h"
#include "support/Processes.h"

using montira::test::Cli;
using montira::test::FileLines;
using montira::test::RunResult;
using montira::test::SimProcess;

namespace {

QString Out(const RunResult& r) {
    return QString::fromUtf8(r.out).trimmed();
}

}  // namespace

TEST(SettingsCommands, valuesSetAreReadBack) {
    SimProcess sim;
    ASSERT_FALSE(sim.path().isEmpty());
    const QString port = sim.path();
    const struct {
        QStringList args;
        QString out;
    } steps[] = {
        {{"sampling"}, "seconds 2"},
        {{"sampling", "--minutes", "75"}, "minutes 60"},  // the meter's limit
        {{"sampling"}, "minutes 60"},
        {{"poweroff", "--set", "300"}, "300"},
        {{"poweroff"}, "300"},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.args.join(' ').toStdString());
        const RunResult r = Cli(s.args + QStringList{"--port", port});
        EXPECT_EQ(r.code, 0) << r.err.constData();
        EXPECT_EQ(Out(r), s.out);
    }
    EXPECT_EQ(Cli({"sampling", "--minutes", "1", "--seconds", "1", "--port", port}).code, 2);
}

TEST(SettingsCommands, clockSetSendsTheComputerTimeAndReadsItBack) {
    SimProcess sim;
    ASSERT_FALSE(sim.path().isEmpty());
    const RunResult set = Cli({"clock", "--port", sim.path(), "--set"});
    ASSERT_EQ(set.code, 0) << set.err.constData();
    const QDateTime sent = QDateTime::fromString("20" + Out(set), "yyyy/MM/dd HH:mm:ss");
    ASSERT_TRUE(sent.isValid()) << Out(set).toStdString();
    const RunResult read = Cli({"clock", "--port", sim.path()});
    ASSERT_EQ(read.code, 0);
    const QDateTime back = QDateTime::fromString("20" + Out(read), "yyyy/MM/dd HH:mm:ss");
    EXPECT_GE(sent.secsTo(back), 0);
    EXPECT_LT(sent.secsTo(back), 30);
}

TEST(SettingsCommands, eraseNeedsYesAndEmptiesTheLogger) {
    SimProcess sim;
    ASSERT_FALSE(sim.path().isEmpty());
    EXPECT_EQ(Cli({"erase", "--port", sim.path()}).code, 2);
    EXPECT_EQ(Cli({"memory", "--port", sim.path()}).code, 0);  // nothing was sent
    EXPECT_EQ(Cli({"erase", "--port", sim.path(), "--yes"}).code, 0);
    EXPECT_EQ(Cli({"memory", "--port", sim.path()}).code, 4);
}

TEST(KeyCommand, duringALoggingRunOtherKeysAreRefusedAfterTheAllowedOnes) {
    SimProcess sim;
    ASSERT_FALSE(sim.path().isEmpty());
    EXPECT_EQ(Cli({"key", "--port", sim.path(), "Sound"}).code, 2);
    // RunStop starts a run: Mode is refused, Up still goes, RunStop ends the run.
    const RunResult r = Cli({"key", "--port", sim.path(), "RunStop", "Mode", "Up", "RunStop"});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.errText().contains("Mode")) << r.err.constData();
    // While it logs, the settings are refused as the toolbar refuses them.
    ASSERT_EQ(Cli({"key", "--port", sim.path(), "RunStop"}).code, 0);
    EXPECT_EQ(Cli({"poweroff", "--port", sim.path(), "--set", "60"}).code, 1);
    ASSERT_EQ(Cli({"key", "--port", sim.path(), "RunStop"}).code, 0);
    const RunResult after = Cli({"key", "--port", sim.path(), "Mode", "Hold", "Hold", "Escape"});
    EXPECT_EQ(after.code, 0) << after.err.constData();  // the run did end
}

TEST(ManualCommand, writesTheLastRecordFirstAndSaysWhenNoneAreStored) {
    SimProcess sim;
    ASSERT_FALSE(sim.path().isEmpty());
    QTemporaryDir dir;
    const QString c = dir.filePath("c.plv"), f = dir.filePath("f.plv");
    ASSERT_EQ(Cli({"manual", "--port", sim.path(), "--out", c}).code, 0);
    ASSERT_EQ(Cli({"manual", "--port", sim.path(), "--out", f, "--fahrenheit"}).code, 0);
    const QList<QByteArray> lc = FileLines(c), lf = FileLines(f);
    ASSERT_EQ(lc.size(), 4);  // heading and the three stored records
    EXPECT_TRUE(lc[1].startsWith("1\t26/12/03\t10:17:00\t")) << lc[1].constData();
    EXPECT_TRUE(lf.value(0).contains("\tft/m\t"));

    SimProcess empty({"--no-manual"});
    ASSERT_FALSE(empty.path().isEmpty());
    const RunResult none = Cli({"manual", "--port", empty.path(), "--out", dir.filePath("n")});
    EXPECT_EQ(none.code, 4);
}

TEST(MemoryCommand, listsTheSetsAndWritesTheChosenOneAsTheListSavesIt) {
    SimProcess sim;
    ASSERT_FALSE(sim.path().isEmpty());
    QTemporaryDir dir;
    const QString c = dir.filePath("c.plv");
    const RunResult r =
        Cli({"memory", "--port", sim.path(), "--set", "2", "--out", c, "--fahrenheit"});
    ASSERT_EQ(r.code, 0) << r.err.constData();

    // The simulated meter starts with the sets of a fresh SimMeter.
    montira::sim::SimMeter model;
    QString expected;
    int n = 0;
    for (const auto& s : model.sets())
        expected += QString::asprintf("%d\t%02d:%02d\t%d\n", ++n, s.intervalMinutes,
                                      s.intervalSeconds, int(s.records.size()));
    EXPECT_EQ(QString::fromUtf8(r.out), expected);

    const auto& set = model.sets()[1];
    const QList<QByteArray> lc = FileLines(c);
    ASSERT_EQ(lc.size(), set.records.size() + 1);
    EXPECT_TRUE(
        lc[0].startsWith("( \xB0"
                         "F )\t"));
    const QByteArray first = QString::asprintf("1\t%02d/%02d/%02d\t%02d:%02d:%02d\t", set.year,
                                               set.month, set.day, set.hour, set.minute, set.second)
                                 .toLatin1();
    EXPECT_TRUE(lc[1].startsWith(first)) << lc[1].toStdString();

    // A set that is not there: the list still comes, then a usage error naming --set.
    const RunResult missing =
        Cli({"memory", "--port", sim.path(), "--set", "9", "--out", dir.filePath("x")});
    EXPECT_EQ(missing.code, 2);
    EXPECT_TRUE(missing.errText().contains("--set"));
    EXPECT_EQ(QString::fromUtf8(missing.out), expected);
    EXPECT_FALSE(QFile::exists(dir.filePath("x")));
}

TEST(MemoryCommand, emptyLoggerSaysSoAndExitsWithFour) {
    SimProcess sim({"--empty-logger"});
    ASSERT_FALSE(sim.path().isEmpty());
    const RunResult r = Cli({"memory", "--port", sim.path()});
    EXPECT_EQ(r.code, 4);
    EXPECT_EQ(r.errText().trimmed(), "Não há dados armazenados na memória!");
    EXPECT_TRUE(r.out.isEmpty());
}
