#include <gtest/gtest.h>

#include "support/PollRig.h"

using namespace montira;
using namespace montira::test;

// The first tick runs NoDataRoutine: "Sem comunicação" until a valid frame arrives, then the
// meter's clock is read ("G") and set ("F") when month or day is 0.

namespace {

const QByteArray kFrame30 = FrameBuilder().dry(30.0).bytes();

struct NoDataRig : PollRig {
    NoDataRig() { state.link.LinkLost = true; }
    void framesFrom(qint64 fromMs) { port.every(fromMs, fromMs + 20000, 250, kFrame30); }
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

TEST(PollNoData, aMeterSendingFramesButNeverAnsweringQIsShownAsSilentWithinTenSeconds) {
    NoDataRig rig;
    rig.meterAnswers = false;
    rig.framesFrom(0);
    qint64 shownAgainAt = -1;
    rig.clock.addListener([&](qint64 now) {
        if (shownAgainAt < 0 && rig.allCaptions.count("Sem comunicação") >= 2) shownAgainAt = now;
        if (now == 12000) rig.clock.requestStop();
    });
    rig.poll.tick();
    EXPECT_GT(shownAgainAt, 0);
    EXPECT_LE(shownAgainAt, 10000);  // not the 500 s of 10000 attempts
    EXPECT_FALSE(rig.wrote('G'));
    EXPECT_TRUE(rig.state.link.LinkLost);
}

// A tick after NoDataRoutine has run: it waits 0.5 s, drops what came, then gathers bytes
// for up to a second, four attempts at most.

TEST(PollCollect, wholeFrameWithinFourAttemptsIsShown) {
    using Arrivals = std::vector<std::pair<qint64, QByteArray>>;
    const std::tuple<const char*, Arrivals, int, qint64, qint64> rows[] = {
        // Bytes before the half second are dropped; a split frame is assembled.
        {"splitAfterStaleBytes",
         {{100, FrameBuilder().dry(10.0).bytes()},
          {520, kFrame30.left(20)},
          {600, kFrame30.mid(20, 20)},
          {700, kFrame30.mid(40)}},
         0,
         700,
         720},
        // 46 bytes after a second: a failed attempt, the next one starts 0.5 s later.
        {"shortFrame", {{600, kFrame30.left(46)}, {2100, kFrame30}}, 0, 2100, 2300},
        // Wrong end byte: dropped at once, no extra second.
        {"wrongEndByte",
         {{600, FrameBuilder().dry(10.0).end(4).bytes()}, {1200, kFrame30}},
         1,
         1200,
         1300},
        {"fourthAttempt", {{5200, kFrame30}}, 0, 5200, 6000},  // it gathers 5000-6000
    };
    for (const auto& [name, arrivals, rejected, from, before] : rows) {
        SCOPED_TRACE(name);
        PollRig rig;
        for (const auto& [ms, bytes] : arrivals) rig.port.at(ms, bytes);
        rig.poll.tick();
        EXPECT_EQ(rig.poll.framesRejected(), rejected);
        EXPECT_EQ(rig.poll.framesShown(), 1);
        EXPECT_EQ(rig.state.live.reading.DryText, "30.0");
        EXPECT_EQ(rig.poll.noDataRuns(), 0);
        EXPECT_GE(rig.clock.nowMs(), from);
        EXPECT_LT(rig.clock.nowMs(), before);
    }
}

TEST(PollCollect, silenceOrOnlyBrokenFramesHandTheTickToNoDataRoutineAndStopRecording) {
    for (bool broken : {false, true}) {
        SCOPED_TRACE(broken);
        PollRig rig;
        rig.state.Recording = true;
        if (broken) rig.port.every(600, 30000, 250, FrameBuilder().end(4).bytes());
        rig.port.every(broken ? 30100 : 7000, 60000, 250, kFrame30);
        rig.poll.tick();
        EXPECT_GE(rig.poll.framesRejected(), broken ? kPollRejectedFrames : 0);
        EXPECT_EQ(rig.poll.noDataRuns(), 1);
        EXPECT_TRUE(rig.captions.contains("Sem comunicação"));
        EXPECT_FALSE(rig.state.Recording);
        EXPECT_LT(rig.clock.nowMs(), 40000);
    }
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
