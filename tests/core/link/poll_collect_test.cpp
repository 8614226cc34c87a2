#include <gtest/gtest.h>

#include "support/PollRig.h"

using namespace montira;
using montira::test::FrameBuilder;
using montira::test::PollRig;

// A tick after NoDataRoutine has run: it waits 0.5 s, drops what came, then gathers bytes
// for up to a second, four attempts at most.

namespace {

const QByteArray kFrame30 = FrameBuilder().dry(30.0).bytes();

}  // namespace

TEST(PollCollect, splitFrameIsAssembledAndBytesBeforeTheHalfSecondAreDropped) {
    PollRig rig;
    rig.port.at(100, FrameBuilder().dry(10.0).bytes());  // stale
    rig.port.at(520, kFrame30.left(20));
    rig.port.at(600, kFrame30.mid(20, 20));
    rig.port.at(700, kFrame30.mid(40));
    rig.poll.tick();
    EXPECT_EQ(rig.poll.framesShown(), 1);
    EXPECT_EQ(rig.state.live.reading.DryText, "30.0");
    EXPECT_LT(rig.clock.nowMs(), 720);
}

TEST(PollCollect, shortOrBrokenFrameIsDroppedAndAnotherAttemptFollows) {
    const struct {
        QByteArray bad;
        qint64 goodAt, endBefore;
        int rejected;
    } cases[] = {
        // 46 bytes after a second: a failed attempt, the next one starts 0.5 s later.
        {kFrame30.left(46), 2100, 2300, 0},
        // Wrong end byte: dropped at once, no extra second.
        {FrameBuilder().dry(10.0).end(4).bytes(), 1200, 1300, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.goodAt);
        PollRig rig;
        rig.port.at(600, c.bad);
        rig.port.at(c.goodAt, kFrame30);
        rig.poll.tick();
        EXPECT_EQ(rig.poll.framesRejected(), c.rejected);
        EXPECT_EQ(rig.poll.framesShown(), 1);
        EXPECT_EQ(rig.poll.noDataRuns(), 0);
        EXPECT_GE(rig.clock.nowMs(), c.goodAt);
        EXPECT_LT(rig.clock.nowMs(), c.endBefore);
    }
}

TEST(PollCollect, fourSilentAttemptsHandTheTickToNoDataRoutine) {
    PollRig late;
    late.port.at(5200, kFrame30);  // the fourth attempt gathers 5000-6000
    late.poll.tick();
    EXPECT_EQ(late.poll.noDataRuns(), 0);
    EXPECT_EQ(late.poll.framesShown(), 1);

    PollRig rig;
    rig.port.every(7000, 20000, 250, kFrame30);
    rig.poll.tick();
    EXPECT_EQ(rig.poll.noDataRuns(), 1);
    EXPECT_TRUE(rig.captions.contains("Sem comunicação"));
}

TEST(PollCollect, aMeterSendingOnlyBrokenFramesCountsAsSilentAndStopsRecording) {
    PollRig rig;
    rig.state.Recording = true;
    rig.port.every(600, 30000, 250, FrameBuilder().end(4).bytes());
    rig.port.every(30100, 60000, 250, kFrame30);
    rig.poll.tick();
    EXPECT_GE(rig.poll.framesRejected(), kPollRejectedFrames);
    EXPECT_EQ(rig.poll.noDataRuns(), 1);
    EXPECT_FALSE(rig.state.Recording);
    EXPECT_LT(rig.clock.nowMs(), 40000);
}

TEST(PollCollect, interruptFailedPortAndReentryEndTheTickCleanly) {
    PollRig interrupted;
    interrupted.port.at(600, kFrame30);
    interrupted.clock.addListener([&](qint64 now) {
        if (now == 200) interrupted.poll.interrupt();
    });
    interrupted.poll.tick();
    EXPECT_EQ(interrupted.poll.framesShown(), 0);
    EXPECT_LE(interrupted.clock.nowMs(), 500);
    EXPECT_FALSE(interrupted.poll.running());

    PollRig failed;
    failed.clock.addListener([&](qint64 now) {
        if (now == 700) failed.port.failedFlag = true;  // adapter pulled out
    });
    failed.poll.tick();
    EXPECT_TRUE(failed.state.link.LinkLost);
    EXPECT_FALSE(failed.state.link.MeterOnline);
    EXPECT_FALSE(failed.port.isOpen());
    EXPECT_LT(failed.clock.nowMs(), 800);

    PollRig nested;
    nested.port.every(800, 5000, 250, kFrame30);
    int calls = 0;
    nested.clock.addListener([&](qint64) {
        if (nested.poll.running()) {
            nested.poll.tick();
            ++calls;
        }
    });
    nested.poll.tick();
    EXPECT_GT(calls, 500);
    EXPECT_EQ(nested.poll.framesShown(), 1);
}
