#include <gtest/gtest.h>

#include <QTimer>
#include <limits>

#include "core/link/EventLoopClock.h"
#include "core/link/VirtualClock.h"

using namespace montira;

TEST(EventLoopClock, delayLetsEventsRunAndWaitsAtLeastTheTimeAsked) {
    EventLoopClock clock;
    bool fired = false;
    QTimer::singleShot(0, [&] { fired = true; });
    const qint64 t0 = clock.nowMs();
    clock.delay(0.05);
    EXPECT_TRUE(fired);
    EXPECT_GE(clock.nowMs() - t0, 50);
}

TEST(EventLoopClock, stoppingEndsEveryWaitAtOnce) {
    EventLoopClock clock;
    QTimer::singleShot(10, [&] { clock.requestStop(); });
    clock.delay(3600);  // would hang the test if the stop were not honoured
    clock.delay(3600);
    clock.delay(std::numeric_limits<double>::quiet_NaN());
    clock.delay(-1);
}

TEST(VirtualClock, delayAdvancesTimeInStepsAndRunsListeners) {
    VirtualClock clock(1000);
    int calls = 0;
    qint64 last = 0;
    clock.addListener([&](qint64 t) {
        ++calls;
        last = t;
    });
    clock.delay(0.05);
    EXPECT_EQ(calls, 50);
    EXPECT_EQ(last, 1050);
    clock.pump();
    EXPECT_EQ(clock.nowMs(), 1051);
    clock.delay(0);
    clock.delay(-3);
    EXPECT_EQ(clock.nowMs(), 1051);
}
