#include <gtest/gtest.h>

#include "core/link/VirtualClock.h"
#include "core/memory/MeterSettings.h"
#include "support/FakePort.h"

using namespace montira;

TEST(MeterSampling, replyCutAfterTheMinutesIsAskedAgainNotReadAsZeroSeconds) {
    test::FakePort port;
    port.qDefault = "J";
    int asked = 0;
    port.answer = [&](const QByteArray& b) {
        if (b != "J") return QByteArray();
        return ++asked == 1 ? QByteArray(1, '\0') : QByteArray("\x00\x02", 2);
    };
    VirtualClock clock;
    LinkState link;
    link.MeterOnline = true;
    const auto s = ReadSampling(port, clock, link);
    ASSERT_TRUE(s);
    EXPECT_EQ(asked, 2);
    EXPECT_FALSE(s->byMinutes());
    EXPECT_EQ(s->seconds, 2);
}
