#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "sim/SimMeter.h"
#include "support/Processes.h"

using montira::test::Cli;
using montira::test::FileLines;
using montira::test::RunResult;
using montira::test::SimProcess;

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
