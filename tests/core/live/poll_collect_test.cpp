#include <gtest/gtest.h>

#include "poll_rig.h"

using namespace montira;
using montira::test::FrameBuilder;
using montira::test::PollRig;

// One tick without NoDataRoutine: the tick waits 0.5 s, drops what came, then gathers bytes
// for up to a second.

TEST(PollCollect, frameSplitOverSeveralReadsIsAssembled) {
    PollRig rig;
    const QByteArray f = FrameBuilder().dry(30.0).bytes();
    rig.port.at(520, f.left(20));
    rig.port.at(600, f.mid(20, 20));
    rig.port.at(700, f.mid(40));
    rig.poll.tick();
    EXPECT_EQ(rig.poll.framesShown(), 1);
    EXPECT_EQ(rig.state.live.reading.DryText, "30.0");
    EXPECT_TRUE(rig.state.link.MeterOnline);
    EXPECT_GE(rig.clock.nowMs(), 700);
    EXPECT_LT(rig.clock.nowMs(), 720);
    EXPECT_EQ(rig.captions, QStringList{"COM 3"});
}

TEST(PollCollect, bytesBeforeTheHalfSecondWaitEndsAreDropped) {
    PollRig rig;
    rig.port.at(100, FrameBuilder().dry(10.0).bytes());  // stale: dropped
    rig.port.at(800, FrameBuilder().dry(30.0).bytes());
    rig.poll.tick();
    EXPECT_EQ(rig.poll.framesShown(), 1);
    EXPECT_EQ(rig.state.live.reading.DryText, "30.0");
}

TEST(PollCollect, fortySixBytesAfterOneSecondIsAFailedAttempt) {
    PollRig rig;
    rig.port.at(600, FrameBuilder().dry(10.0).bytes().left(46));
    // The second attempt waits half a second after the first one's second, then gathers.
    rig.port.at(2100, FrameBuilder().dry(30.0).bytes());
    rig.poll.tick();
    EXPECT_EQ(rig.poll.framesShown(), 1);
    EXPECT_EQ(rig.poll.framesRejected(), 0);
    EXPECT_EQ(rig.poll.noDataRuns(), 0);
    EXPECT_EQ(rig.state.live.reading.DryText, "30.0");
    EXPECT_GE(rig.clock.nowMs(), 2100);
}

TEST(PollCollect, wrongEndByteDropsTheFrameAndANewAttemptFollows) {
    PollRig rig;
    rig.port.at(600, FrameBuilder().dry(10.0).end(4).bytes());
    rig.port.at(1200, FrameBuilder().dry(30.0).bytes());
    rig.poll.tick();
    EXPECT_EQ(rig.poll.framesRejected(), 1);
    EXPECT_EQ(rig.poll.framesShown(), 1);
    EXPECT_EQ(rig.state.live.reading.DryText, "30.0");
    EXPECT_LT(rig.clock.nowMs(), 1300);  // not counted as a failed attempt: no extra second
}

TEST(PollCollect, fourShortAttemptsHandTheTickToNoDataRoutine) {
    PollRig rig;
    // Silence for four attempts (each 0.5 s + 1 s), then frames again.
    rig.port.every(7000, 20000, 250, FrameBuilder().dry(30.0).bytes());
    rig.poll.tick();
    EXPECT_EQ(rig.poll.noDataRuns(), 1);
    EXPECT_EQ(rig.poll.framesShown(), 0);  // the tick ends after NoDataRoutine
    EXPECT_TRUE(rig.captions.contains("Sem comunicação"));
    EXPECT_EQ(rig.captions.back(), "COM 3");
    EXPECT_GE(rig.clock.nowMs(), 7000);
    EXPECT_FALSE(rig.state.link.LinkLost);
    EXPECT_TRUE(rig.state.link.MeterOnline);
}

TEST(PollCollect, aFrameOnTheFourthAttemptIsStillShown) {
    PollRig rig;
    rig.port.at(5200, FrameBuilder().dry(30.0).bytes());  // fourth attempt gathers 5000-6000
    rig.poll.tick();
    EXPECT_EQ(rig.poll.noDataRuns(), 0);
    EXPECT_EQ(rig.poll.framesShown(), 1);
}

TEST(PollCollect, aMeterSendingOnlyBrokenFramesCountsAsSilent) {
    PollRig rig;
    rig.state.Recording = true;
    rig.port.every(600, 30000, 250, FrameBuilder().end(4).bytes());
    rig.port.every(30100, 60000, 250, FrameBuilder().dry(30.0).bytes());
    rig.poll.tick();
    EXPECT_GE(rig.poll.framesRejected(), kPollRejectedFrames);
    EXPECT_EQ(rig.poll.noDataRuns(), 1);
    EXPECT_FALSE(rig.state.Recording);  // stale values are not recorded
    EXPECT_LT(rig.clock.nowMs(), 40000);
}

TEST(PollCollect, interruptedTickLeavesThePortToTheCommand) {
    PollRig rig;
    rig.port.at(600, FrameBuilder().bytes());
    rig.clock.addListener([&](qint64 now) {
        if (now == 200) rig.poll.interrupt();
    });
    rig.poll.tick();
    EXPECT_EQ(rig.poll.framesShown(), 0);
    EXPECT_LE(rig.clock.nowMs(), 500);
    EXPECT_FALSE(rig.poll.running());
}

TEST(PollCollect, failedPortTakesTheErrorPath) {
    PollRig rig;
    rig.clock.addListener([&](qint64 now) {
        if (now == 700) rig.port.failedFlag = true;  // adapter pulled out
    });
    rig.poll.tick();
    EXPECT_TRUE(rig.state.link.LinkLost);
    EXPECT_FALSE(rig.state.link.MeterOnline);
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_EQ(rig.timerOn, 1);
    EXPECT_LT(rig.clock.nowMs(), 800);
}

TEST(PollCollect, tickDoesNotReenterFromANestedWait) {
    PollRig rig;
    rig.port.at(800, FrameBuilder().bytes());
    int nested = 0;
    rig.clock.addListener([&](qint64) {
        if (rig.poll.running()) {
            rig.poll.tick();
            ++nested;
        }
    });
    rig.poll.tick();
    EXPECT_GT(nested, 500);
    EXPECT_EQ(rig.poll.framesShown(), 1);
}
