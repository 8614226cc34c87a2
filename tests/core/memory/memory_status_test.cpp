#include <gtest/gtest.h>

#include "core/memory/ManualDownload.h"
#include "core/meter/MemoryStatus.h"
#include "support/LoggerBytes.h"

using namespace montira;
using montira::test::StatusReply;

TEST(MemoryStatusReply, onlySevenBytesFramedBySTXandETXCount) {
    const QByteArray good = StatusReply(0x01ED0F, 0x0102);
    const auto s = ParseMemoryStatus(good);
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->MemoryUsed, 0x01ED0F);
    EXPECT_EQ(s->MemorySetCount, 258);
    EXPECT_EQ(s->expected(), 0x01ED0F - 2048);
    QByteArray badStart = good, badEnd = good;
    badStart[0] = 1;
    badEnd[6] = 2;
    for (const QByteArray& bad : {good.left(6), good + char(3), badStart, badEnd, QByteArray()})
        EXPECT_FALSE(ParseMemoryStatus(bad)) << bad.toHex().constData();
}

TEST(MemoryStatusDisplay, fullAt126072AndProgressCutToTwoDecimals) {
    EXPECT_DOUBLE_EQ(MemoryFillPercent(126072), 100.0);
    EXPECT_DOUBLE_EQ(MemoryFillPercent(126071), 126071 * 100.0 / 126207);
    EXPECT_EQ(ProgressCaption(2, 3), " 66.66 % completas");
    EXPECT_EQ(ProgressCaption(1500, 1000), " 100.00 % completas");
    EXPECT_EQ(ManualProgressCaption(90, 60), "100.0 % completas");  // bytes beyond the dump
}
