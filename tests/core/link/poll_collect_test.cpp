#include <gtest/gtest.h>

#include "support/PollRig.h"

using namespace montira;
using namespace montira::test;

// A tick after NoDataRoutine has run: it waits 0.5 s, drops what came, then gathers bytes
// for up to a second, four attempts at most.

const QByteArray kFrame30 = FrameBuilder().dry(30.0).bytes();

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
