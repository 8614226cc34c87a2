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

// One run per command family: the bytes of each exchange, the clamps and the refusals are
// checked in-process (MeterSettings, Keypad, ManualDownload tests).
TEST(SettingsCommands, valuesSetAreReadBack) {
    SimProcess sim;
    ASSERT_FALSE(sim.path().isEmpty());
    const QString port = sim.path();
    const struct {
        QStringList args;
        QString out;
    } steps[] = {
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
    const RunResult clock = Cli({"clock", "--port", port, "--set"});
    EXPECT_EQ(clock.code, 0) << clock.err.constData();
    EXPECT_TRUE(QDateTime::fromString("20" + Out(clock), "yyyy/MM/dd HH:mm:ss").isValid());
}

TEST(SettingsCommands, eraseNeedsYesAndEmptiesTheLogger) {
    SimProcess sim;
    ASSERT_FALSE(sim.path().isEmpty());
    EXPECT_EQ(Cli({"erase", "--port", sim.path()}).code, 2);
    EXPECT_EQ(Cli({"memory", "--port", sim.path()}).code, 0);  // nothing was sent
    EXPECT_EQ(Cli({"erase", "--port", sim.path(), "--yes"}).code, 0);
    EXPECT_EQ(Cli({"memory", "--port", sim.path()}).code, 4);
}

TEST(KeyCommand, duringALoggingRunKeysAndSettingsAreRefused) {
    SimProcess sim;
    ASSERT_FALSE(sim.path().isEmpty());
    // RunStop starts a run: Mode is refused, and so is a setting, as the toolbar refuses it.
    // The refusal is the meter's state, not bad input: exit 1, not 2.
    const RunResult r = Cli({"key", "--port", sim.path(), "RunStop", "Mode"});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.errText().contains("Mode")) << r.err.constData();
    EXPECT_EQ(Cli({"poweroff", "--port", sim.path(), "--set", "60"}).code, 1);
}

TEST(ManualCommand, writesTheRecordsAndSaysWhenNoneAreStored) {
    SimProcess sim;
    ASSERT_FALSE(sim.path().isEmpty());
    QTemporaryDir dir;
    const QString c = dir.filePath("c.plv");
    ASSERT_EQ(Cli({"manual", "--port", sim.path(), "--out", c}).code, 0);
    const QList<QByteArray> lc = FileLines(c);
    ASSERT_EQ(lc.size(), 4);  // heading and the three stored records
    EXPECT_TRUE(lc[1].startsWith("1\t26/12/03\t10:17:00\t")) << lc[1].constData();

    SimProcess empty({"--no-manual"});
    ASSERT_FALSE(empty.path().isEmpty());
    EXPECT_EQ(Cli({"manual", "--port", empty.path(), "--out", dir.filePath("n")}).code, 4);
}

TEST(MemoryCommand, listsTheSetsAndWritesTheChosenOneAsTheListSavesIt) {
    SimProcess sim;
    ASSERT_FALSE(sim.path().isEmpty());
    QTemporaryDir dir;
    const QString c = dir.filePath("c.plv");
    const RunResult r = Cli({"memory", "--port", sim.path(), "--set", "2", "--out", c});
    ASSERT_EQ(r.code, 0) << r.err.constData();

    montira::sim::SimMeter model;
    QString expected;
    int n = 0;
    for (const auto& s : model.sets())
        expected += QString::asprintf("%d\t%02d:%02d\t%d\n", ++n, s.intervalMinutes,
                                      s.intervalSeconds, int(s.records.size()));
    EXPECT_EQ(QString::fromUtf8(r.out), expected);

    EXPECT_EQ(FileLines(c).size(), model.sets()[1].records.size() + 1);

    // A set that is not there: the list still comes, then a usage error naming --set.
    const RunResult missing =
        Cli({"memory", "--port", sim.path(), "--set", "9", "--out", dir.filePath("x")});
    EXPECT_EQ(missing.code, 2);
    EXPECT_TRUE(missing.errText().contains("--set"));
    EXPECT_EQ(QString::fromUtf8(missing.out), expected);
    EXPECT_FALSE(QFile::exists(dir.filePath("x")));
}
