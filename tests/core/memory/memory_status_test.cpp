#include <gtest/gtest.h>

#include "core/memory/LoggerBytes.h"
#include "core/memory/MemoryStatus.h"

using namespace montira;
using montira::testing::StatusReply;

TEST(MemoryStatusReply, sevenBytesFramedBySTXandETXGiveUsedBytesAndSetCount) {
    const auto s = ParseMemoryStatus(StatusReply(0x01ED0F, 0x0102));
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->MemoryUsed, 0x01ED0F);
    EXPECT_EQ(s->MemorySetCount, 258);
    EXPECT_EQ(s->expected(), 0x01ED0F - 2048);
}

TEST(MemoryStatusReply, wrongLengthOrFramingIsNotAReply) {
    const QByteArray good = StatusReply(4096, 1);
    EXPECT_FALSE(ParseMemoryStatus(good.left(6)));
    EXPECT_FALSE(ParseMemoryStatus(good + char(3)));
    QByteArray badStart = good;
    badStart[0] = 1;
    EXPECT_FALSE(ParseMemoryStatus(badStart));
    QByteArray badEnd = good;
    badEnd[6] = 2;
    EXPECT_FALSE(ParseMemoryStatus(badEnd));
    EXPECT_FALSE(ParseMemoryStatus(QByteArray()));
}

TEST(MemoryStatusReply, onlyTheFixedBytesInUseMeansNothingStored) {
    EXPECT_EQ(ParseMemoryStatus(StatusReply(2048, 0))->expected(), 0);
}

TEST(MemoryUsagePanel, fullFrom126072AndProportionalBelow) {
    EXPECT_DOUBLE_EQ(MemoryFillPercent(126072), 100.0);
    EXPECT_DOUBLE_EQ(MemoryFillPercent(200000), 100.0);
    EXPECT_DOUBLE_EQ(MemoryFillPercent(126071), 126071 * 100.0 / 126207);
    EXPECT_LT(MemoryFillPercent(126071), 100.0);
    EXPECT_GT(MemoryFillPercent(126071), 99.89);
    EXPECT_DOUBLE_EQ(MemoryFillPercent(2048), 2048 * 100.0 / 126207);
}

TEST(DownloadCaption, percentWithTwoDecimalsCutNotRounded) {
    EXPECT_EQ(ProgressCaption(55, 1000), QString::fromUtf8(" 5.50 % completas"));
    EXPECT_EQ(ProgressCaption(1000, 1000), QString::fromUtf8(" 100.00 % completas"));
    EXPECT_EQ(ProgressCaption(0, 1000), QString::fromUtf8(" 0.00 % completas"));
    // 2/3 = 66.666…: cut to 66.66
    EXPECT_EQ(ProgressCaption(2, 3), QString::fromUtf8(" 66.66 % completas"));
    // More bytes than expected still read 100 %.
    EXPECT_EQ(ProgressCaption(1500, 1000), QString::fromUtf8(" 100.00 % completas"));
}
