#include <gtest/gtest.h>

#include "core/memory/LoggerBytes.h"
#include "core/memory/LoggerSets.h"

using namespace montira;
using namespace montira::testing;

TEST(LoggerSplit, setsFollowEachOtherWithIntervalAndCountFromTheirHeaders) {
    SetBytes a, b;
    a.intervalMin = 1, a.intervalSec = 30;
    a.records = Records(3);
    b.intervalMin = 10, b.intervalSec = 0;
    b.records = Records(2);
    const auto sets = SplitSets(a.bytes() + b.bytes(), 2);
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[0].SetInterval, 90);
    EXPECT_EQ(sets[0].SetBlock.size(), 16 + 3 * 8);
    EXPECT_EQ(sets[1].SetBlock, b.bytes());
    EXPECT_EQ(SetListRow(1, sets[0]), (QStringList{"1", "01:30", "3"}));
    EXPECT_EQ(SetListRow(2, sets[1]), (QStringList{"2", "10:00", "2"}));
    EXPECT_EQ(IntervalText(5, 30), "05:30");
}

TEST(LoggerSplit, shortDumpIsSplitOnlyAsFarAsItGoes) {
    SetBytes a, b;
    a.records = Records(10);
    b.records = Records(1);
    // The last block cut after 3 whole records and a piece of the fourth.
    const QByteArray cut = a.bytes().left(16 + 3 * 8 + 5);
    auto sets = SplitSets(cut, 1);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].SetRecords, 10);  // listed as the header says
    EXPECT_EQ(sets[0].recordsPresent(), 3);
    // More sets claimed than there are headers: a piece of a header is no set.
    EXPECT_EQ(SplitSets(b.bytes() + b.bytes() + b.bytes().left(10), 7).size(), 2u);
    EXPECT_TRUE(SplitSets(QByteArray(), 3).empty());
}

TEST(LoggerSplit, setNumbersStopAt65535) {
    const QByteArray one = SetBytes().bytes();
    QByteArray dump;
    for (int i = 0; i < 70000; ++i) dump += one;
    EXPECT_EQ(SplitSets(dump, 70000).size(), 65535u);
    LoggerMemory m;
    m.sets = SplitSets(one, 1);
    EXPECT_EQ(m.set(0), nullptr);  // the header row's "set 0"
    EXPECT_EQ(m.set(2), nullptr);
    EXPECT_NE(m.set(1), nullptr);
}
