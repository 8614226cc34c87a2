#include <gtest/gtest.h>

#include "poll_rig.h"

using namespace montira;
using montira::test::FrameBuilder;
using montira::test::PollRig;

// The first tick after the load runs NoDataRoutine: it blinks "Sem comunicação" until a valid
// frame arrives, then reads the meter's clock ("G") and sets it ("F") when month or day is 0.

namespace {

void FramesFrom(PollRig& rig, qint64 fromMs) {
    rig.port.every(fromMs, fromMs + 20000, 250, FrameBuilder().dry(30.0).bytes());
}

}  // namespace

TEST(PollNoData, firstTickRunsNoDataRoutineBeforeReading) {
    PollRig rig;
    rig.state.link.LinkLost = true;
    FramesFrom(rig, 0);
    rig.poll.tick();
    EXPECT_EQ(rig.poll.noDataRuns(), 1);
    EXPECT_TRUE(rig.wrote('G'));
    EXPECT_FALSE(rig.wrote('F'));
    EXPECT_FALSE(rig.state.link.LinkLost);
    EXPECT_EQ(rig.poll.framesShown(), 1);  // then the same tick reads a frame
    EXPECT_EQ(rig.timerOff, 1);
    EXPECT_EQ(rig.timerOn, 1);
    EXPECT_EQ(rig.captions, (QStringList{"Sem comunicação", "COM 3"}));
}

TEST(PollNoData, clockWithMonthOrDayZeroIsSetToTheFirstOfJanuary) {
    for (int zeroAt : {1, 2}) {
        PollRig rig;
        rig.state.link.LinkLost = true;
        rig.clockReply = QByteArray("\x1a\x05\x0f\x0a\x14\x1e", 6);
        rig.clockReply[zeroAt] = 0;
        FramesFrom(rig, 0);
        rig.poll.tick();
        const auto after = rig.writesAfter('F');
        ASSERT_GE(after.size(), 1u) << zeroAt;
        EXPECT_EQ(after[0], QByteArray("\x1a\x01\x01\x0a\x14\x1e", 6)) << zeroAt;
        EXPECT_FALSE(rig.state.link.LinkLost);
    }
}

TEST(PollNoData, aShortClockReplyIsNotAnsweredWithF) {
    PollRig rig;
    rig.state.link.LinkLost = true;
    rig.clockReply = QByteArray("\x1a\x00", 2);
    FramesFrom(rig, 0);
    rig.poll.tick();
    EXPECT_TRUE(rig.wrote('G'));
    EXPECT_FALSE(rig.wrote('F'));
    EXPECT_FALSE(rig.state.link.LinkLost);
}

TEST(PollNoData, invalidBytesKeepItWaiting) {
    PollRig rig;
    rig.state.link.LinkLost = true;
    rig.port.at(300, "garbage");
    rig.port.at(600, FrameBuilder().end(4).bytes());
    FramesFrom(rig, 2000);
    rig.poll.tick();
    EXPECT_GE(rig.clock.nowMs(), 2000);
    EXPECT_FALSE(rig.state.link.LinkLost);
}

TEST(PollNoData, vanishedPortIsReopenedAboutEveryHalfSecond) {
    PollRig rig;
    rig.state.link.LinkLost = true;
    rig.port.close();
    rig.port.available = false;
    rig.clock.addListener([&](qint64 now) {
        if (now == 5000) rig.port.available = true;
    });
    FramesFrom(rig, 5200);
    rig.poll.tick();
    EXPECT_GE(rig.port.opens, 10);
    EXPECT_LE(rig.port.opens, 12);
    EXPECT_TRUE(rig.port.isOpen());
    EXPECT_FALSE(rig.state.link.LinkLost);
}

TEST(PollNoData, closingTheProgramEndsTheWaitAtOnce) {
    PollRig rig;
    rig.state.link.LinkLost = true;
    rig.clock.addListener([&](qint64 now) {
        if (now == 2000) rig.clock.requestStop();
    });
    rig.poll.tick();
    EXPECT_EQ(rig.clock.nowMs(), 2000);
    EXPECT_TRUE(rig.state.link.LinkLost);
}

TEST(PollNoData, aMeterThatStopsAnsweringDuringTheClockCheckIsWaitedForAgain) {
    PollRig rig;
    rig.state.link.LinkLost = true;
    rig.port.at(100, FrameBuilder().bytes());
    rig.meterAnswers = false;
    rig.clock.addListener([&](qint64 now) {
        if (now == 20000) rig.meterAnswers = true;
    });
    FramesFrom(rig, 20000);
    rig.poll.tick();
    EXPECT_FALSE(rig.state.link.LinkLost);
    EXPECT_LT(rig.clock.nowMs(), 30000);                     // not the 500 s of a full handshake
    EXPECT_GE(rig.allCaptions.count("Sem comunicação"), 2);  // went back to blinking
}
