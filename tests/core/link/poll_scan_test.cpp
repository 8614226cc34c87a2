#include <gtest/gtest.h>

#include "support/PollRig.h"

using namespace montira;
using namespace montira::test;

// Within a read attempt (from 0.5 s on) the poll takes the newest whole frame of what came,
// wherever it starts in the bytes.

namespace {

const QByteArray kFrame30 = FrameBuilder().dry(30.0).bytes();

}  // namespace

TEST(PollScan, theNewestFrameOfAReadIsShownWhateverCameBeforeIt) {
    const QByteArray falseStart = QByteArray("\x01\xFF\xAA", 3) + QByteArray(50, '\x11');
    const std::tuple<const char*, QByteArray, int> rows[] = {
        {"garbageBefore", "stray bytes" + kFrame30, 0},
        {"falseStartInGarbage", falseStart + kFrame30, 1},
        {"brokenFrameBefore", FrameBuilder().dry(10.0).end(4).bytes() + kFrame30, 1},
        {"cutFrameBefore", FrameBuilder().dry(10.0).bytes().left(30) + kFrame30, 1},
        {"olderFrameBefore", FrameBuilder().dry(10.0).bytes() + "xy" + kFrame30, 0},
    };
    for (const auto& [name, bytes, rejected] : rows) {
        SCOPED_TRACE(name);
        PollRig rig;
        rig.port.at(600, bytes);
        rig.port.at(700, FrameBuilder().dry(40.0).bytes());  // a later read: not waited for
        rig.poll.tick();
        EXPECT_EQ(rig.poll.framesShown(), 1);
        EXPECT_EQ(rig.state.live.reading.DryText, "30.0");
        EXPECT_EQ(rig.poll.framesRejected(), rejected);
        EXPECT_EQ(rig.clock.nowMs(), 600);
    }
}

TEST(PollScan, aFrameSplitAroundGarbageIsAssembledWithinTheSecond) {
    PollRig rig;
    rig.port.at(600, "garbage" + kFrame30.left(10));
    rig.port.at(650, kFrame30.mid(10, 30));
    rig.port.at(900, kFrame30.mid(40));
    rig.poll.tick();
    EXPECT_EQ(rig.poll.framesShown(), 1);
    EXPECT_EQ(rig.state.live.reading.DryText, "30.0");
    EXPECT_EQ(rig.clock.nowMs(), 900);
}

TEST(PollScan, aSecondOfBytesWithoutAFrameStartCountsAsOneBrokenFrame) {
    PollRig rig;
    rig.port.every(600, 14000, 100, QByteArray(20, '\x11'));
    rig.port.every(16000, 40000, 250, kFrame30);
    qint64 silentAt = -1;
    rig.clock.addListener([&](qint64 now) {
        if (silentAt < 0 && rig.captions.contains("Sem comunicação")) silentAt = now;
    });
    rig.poll.tick();
    EXPECT_EQ(rig.poll.framesRejected(), kPollRejectedFrames);
    EXPECT_EQ(rig.poll.noDataRuns(), 1);
    // Eight attempts of half a second's wait and a second of reading.
    EXPECT_GE(silentAt, 8 * 1500);
    EXPECT_LT(silentAt, 8 * 1500 + 100);
    EXPECT_FALSE(rig.state.link.LinkLost);
}
