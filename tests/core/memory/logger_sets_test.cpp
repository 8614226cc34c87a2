#include <gtest/gtest.h>

#include "core/memory/LoggerBytes.h"
#include "core/memory/LoggerSets.h"

using namespace montira;
using namespace montira::testing;

TEST(LoggerSplit, intervalBytesAndRecordCountComeFromTheHeader) {
    SetBytes s;
    s.intervalMin = 1;
    s.intervalSec = 30;
    s.records = Records(3);
    const auto sets = SplitSets(s.bytes(), 1);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].SetInterval, 90);
    EXPECT_EQ(sets[0].SetRecords, 3);
    EXPECT_EQ(sets[0].recordsPresent(), 3);
    EXPECT_EQ(sets[0].SetBlock, s.bytes());
    EXPECT_EQ(SetListRow(1, sets[0]), (QStringList{"1", "01:30", "3"}));
}

TEST(LoggerSplit, secondSetStartsRightAfterTheFirstSetsRecords) {
    SetBytes a, b;
    a.records = Records(5);
    a.intervalSec = 2;
    b.records = Records(2);
    b.dd = 16;
    b.intervalMin = 10;
    b.intervalSec = 0;
    const QByteArray dump = a.bytes() + b.bytes();
    const auto sets = SplitSets(dump, 2);
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[0].SetBlock.size(), 16 + 5 * 8);
    EXPECT_EQ(sets[1].SetBlock, b.bytes());
    EXPECT_EQ(sets[1].SetInterval, 600);
    EXPECT_EQ(SetListRow(2, sets[1]), (QStringList{"2", "10:00", "2"}));
}

TEST(LoggerSplit, intervalTextHasAtLeastTwoDigitsEach) {
    EXPECT_EQ(IntervalText(5, 30), "05:30");
    EXPECT_EQ(IntervalText(0, 2), "00:02");
    EXPECT_EQ(IntervalText(255, 255), "255:255");
}

TEST(LoggerSplit, cutDumpGivesAShorterLastBlockAndNeverReadsPastTheEnd) {
    SetBytes a;
    a.records = Records(10);
    const QByteArray dump = a.bytes().left(16 + 3 * 8 + 5);  // 3 whole records and a piece
    const auto sets = SplitSets(dump, 1);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].SetRecords, 10);  // the header's count is listed as it is
    EXPECT_EQ(sets[0].recordsPresent(), 3);
    EXPECT_EQ(sets[0].SetBlock.size(), dump.size());
}

TEST(LoggerSplit, moreSetsClaimedThanTheDumpHoldsStopsAtTheLastWholeHeader) {
    SetBytes a, b;
    a.records = Records(1);
    b.records = Records(1);
    // Set 2 and a 10-byte piece of a third header.
    const QByteArray dump = a.bytes() + b.bytes() + a.bytes().left(10);
    EXPECT_EQ(SplitSets(dump, 7).size(), 2u);
    EXPECT_TRUE(SplitSets(QByteArray(), 3).empty());
    EXPECT_TRUE(SplitSets(a.bytes(), 0).empty());
}

TEST(LoggerSplit, setCountIsBoundedByTheSetNumbersThatExist) {
    // 70000 empty sets in the dump, but set numbers stop at 65535.
    QByteArray dump;
    SetBytes empty;
    const QByteArray one = empty.bytes();
    for (int i = 0; i < 70000; ++i) dump += one;
    EXPECT_EQ(SplitSets(dump, 70000).size(), 65535u);
    EXPECT_TRUE(SplitSets(dump, -1).empty());
}

TEST(LoggerMemoryLookup, setNumbersAreOneBasedAndZeroIsNoSet) {
    LoggerMemory m;
    SetBytes a;
    m.sets = SplitSets(a.bytes(), 1);
    EXPECT_EQ(m.set(0), nullptr);
    EXPECT_EQ(m.set(2), nullptr);
    EXPECT_EQ(m.set(-5), nullptr);
    ASSERT_NE(m.set(1), nullptr);
    EXPECT_EQ(m.set(1), &m.sets[0]);
}
