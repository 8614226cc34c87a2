#include <gtest/gtest.h>

#include "support/PollRig.h"

using namespace montira;
using namespace montira::test;

// The first tick runs NoDataRoutine: "Sem comunicação" until a valid frame arrives, then the
// meter's clock is read ("G") and set ("F") when month or day is 0.

namespace {

struct NoDataRig : PollRig {
    NoDataRig() { state.link.LinkLost = true; }
    void framesFrom(qint64 fromMs) {
        port.every(fromMs, fromMs + 20000, 250, FrameBuilder().dry(30.0).bytes());
    }
};

}  // namespace

TEST(PollNoData, firstTickWaitsForAValidFrameReadsTheClockThenAFrame) {
    NoDataRig rig;
    rig.port.at(300, "garbage");
    rig.port.at(600, FrameBuilder().end(4).bytes());
    rig.framesFrom(2000);
    rig.poll.tick();
    EXPECT_GE(rig.clock.nowMs(), 2000);
    EXPECT_TRUE(rig.wrote('G'));
    EXPECT_FALSE(rig.wrote('F'));
    EXPECT_EQ(rig.poll.framesShown(), 1);
    EXPECT_EQ(rig.timerOff, 1);  // the poll timer waits out the routine and runs again
    EXPECT_EQ(rig.timerOn, 1);
    EXPECT_EQ(rig.captions, (QStringList{"Sem comunicação", "COM 3"}));
}

TEST(PollNoData, clockWithMonthOrDayZeroIsSetToTheFirstOfJanuary) {
    for (int zeroAt : {1, 2}) {
        SCOPED_TRACE(zeroAt);
        NoDataRig rig;
        rig.clockReply = QByteArray("\x1a\x05\x0f\x0a\x14\x1e", 6);
        rig.clockReply[zeroAt] = 0;
        rig.framesFrom(0);
        rig.poll.tick();
        const auto after = rig.writesAfter('F');
        ASSERT_GE(after.size(), 1u);
        EXPECT_EQ(after[0], QByteArray("\x1a\x01\x01\x0a\x14\x1e", 6));
    }
    NoDataRig shortReply;
    shortReply.clockReply = QByteArray("\x1a\x00", 2);
    shortReply.framesFrom(0);
    shortReply.poll.tick();
    EXPECT_FALSE(shortReply.wrote('F'));
    EXPECT_FALSE(shortReply.state.link.LinkLost);
}

TEST(PollNoData, vanishedPortIsReopenedAboutEveryHalfSecond) {
    NoDataRig rig;
    rig.port.close();
    rig.port.openOutcome = OpenOutcome::Missing;
    rig.clock.addListener([&](qint64 now) {
        if (now == 5000) rig.port.openOutcome = OpenOutcome::Opened;
    });
    rig.framesFrom(5200);
    rig.poll.tick();
    EXPECT_GE(rig.port.opens, 10);
    EXPECT_LE(rig.port.opens, 12);
    EXPECT_FALSE(rig.state.link.LinkLost);
}

TEST(PollNoData, closingTheProgramEndsTheWaitAtOnce) {
    for (bool inHandshake : {false, true}) {
        SCOPED_TRACE(inHandshake);
        NoDataRig rig;
        if (inHandshake) {  // a frame came, but the meter never answers "Q"
            rig.meterAnswers = false;
            rig.framesFrom(0);
        }
        rig.clock.addListener([&](qint64 now) {
            if (now == 2000) rig.clock.requestStop();
        });
        rig.poll.tick();
        EXPECT_LE(rig.clock.nowMs(), 2100);
        EXPECT_TRUE(rig.state.link.LinkLost);
    }
}

TEST(PollNoData, aMeterThatStopsAnsweringDuringTheClockCheckIsWaitedForAgain) {
    NoDataRig rig;
    rig.port.at(100, FrameBuilder().bytes());
    rig.meterAnswers = false;
    rig.clock.addListener([&](qint64 now) {
        if (now == 20000) rig.meterAnswers = true;
    });
    rig.framesFrom(20000);
    rig.poll.tick();
    EXPECT_FALSE(rig.state.link.LinkLost);
    EXPECT_LT(rig.clock.nowMs(), 30000);  // not the 500 s of a full handshake
    EXPECT_GE(rig.allCaptions.count("Sem comunicação"), 2);
}
