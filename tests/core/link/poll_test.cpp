#include <gtest/gtest.h>

#include "support/PollRig.h"

using namespace montira;
using namespace montira::test;

// The live reader reads every frame as its bytes arrive, wherever it starts, shows the newest
// at most every half second, and hands over to NoDataRoutine after 6 s without a valid frame
// or after 8 rejected frames in a row (47 bytes without a frame start count as one).

namespace {

using Arrivals = std::vector<std::pair<qint64, QByteArray>>;

QByteArray Frame(double dry) {
    return FrameBuilder().dry(dry).bytes();
}
QByteArray Broken(double dry) {
    return FrameBuilder().dry(dry).end(4).bytes();
}
const QByteArray kFrame30 = Frame(30.0);

struct NoDataRig : PollRig {
    NoDataRig() { state.link.LinkLost = true; }
    void framesFrom(qint64 fromMs) { port.every(fromMs, fromMs + 30000, 250, kFrame30); }
    // The writes from the first "Q" on, with their times from that "Q".
    std::vector<std::pair<qint64, QByteArray>> clockCheck() const {
        std::vector<std::pair<qint64, QByteArray>> out;
        qint64 t0 = -1;
        for (size_t i = 0; i < port.writes.size(); ++i) {
            if (t0 < 0 && port.writes[i] != "Q") continue;
            if (t0 < 0) t0 = port.writeTimes[i];
            out.push_back({port.writeTimes[i] - t0, port.writes[i]});
        }
        return out;
    }
};

}  // namespace

TEST(PollRead, theNewestFrameIsFoundWhateverCameBeforeInsideOrBetween) {
    const QByteArray falseStart = QByteArray("\x01\xFF\xAA", 3) + QByteArray(50, '\x11');
    const QByteArray f10 = Frame(10.0);
    const std::tuple<const char*, Arrivals, int> rows[] = {
        {"garbageBefore", {{100, "stray bytes" + kFrame30}}, 0},
        {"falseStartInGarbage", {{100, falseStart + kFrame30}}, 1},
        {"brokenEndByteBefore", {{100, Broken(10.0) + kFrame30}}, 1},
        {"cutFrameBefore", {{100, f10.left(30) + kFrame30}}, 1},
        {"garbageInsideAFrame", {{100, f10.left(20) + "junk" + f10.mid(20)}, {300, kFrame30}}, 1},
        {"garbageBetween", {{100, f10 + "xy" + kFrame30}}, 0},
        {"splitAroundGarbage",
         {{100, "garbage" + kFrame30.left(10)},
          {150, kFrame30.mid(10, 30)},
          {400, kFrame30.mid(40)}},
         0},
        {"byteByByte", {}, 0},
        {"brokenFramesBetween", {{100, f10}, {250, Broken(20.0)}, {400, kFrame30}}, 1},
    };
    for (const auto& [name, arrivals, rejected] : rows) {
        SCOPED_TRACE(name);
        PollRig rig;
        for (const auto& [ms, bytes] : arrivals) rig.port.at(ms, bytes);
        if (arrivals.empty())
            for (int i = 0; i < kFrame30.size(); ++i) rig.port.at(100 + i, kFrame30.mid(i, 1));
        rig.start();
        rig.clock.advance(1500);  // later frames show within a second of the one before
        EXPECT_EQ(rig.state.live.reading.DryText, "30.0");
        EXPECT_EQ(rig.poll.framesRejected(), rejected);
        EXPECT_EQ(rig.poll.noDataRuns(), 0);
        EXPECT_TRUE(rig.state.link.MeterOnline);
    }
}

TEST(PollRead, theNewestFrameIsShownAtMostEverySecond) {
    PollRig rig;
    for (int k = 1; k <= 30; ++k) rig.port.at(100 * k, Frame(k));
    rig.start();
    rig.clock.advance(2050);
    EXPECT_EQ(rig.poll.framesShown(), 2);  // at 100 and 1100 ms
    EXPECT_EQ(rig.state.live.reading.DryText, "11.0");
    rig.clock.advance(100);  // the newest of 1200-2100 ms, shown at 2100 ms
    EXPECT_EQ(rig.poll.framesShown(), 3);
    EXPECT_EQ(rig.state.live.reading.DryText, "21.0");
}

TEST(PollRead, silenceOrRejectedFramesHandOverToNoDataRoutineAndStopRecording) {
    struct Every {
        qint64 from, to, period;
        QByteArray bytes;
    };
    const QByteArray noStart(47, '\x11');
    const std::tuple<const char*, std::vector<Every>, qint64> rows[] = {
        {"silent", {}, 6000},
        {"silentAfterAFrame", {{3000, 3000, 1, kFrame30}}, 9000},
        // The eighth broken frame, or 47 bytes without a start, arrives at 1850 ms.
        {"brokenEndBytes", {{100, 9000, 250, Broken(10.0)}}, 1850},
        {"noFrameStart", {{100, 9000, 250, noStart}}, 1850},
        {"twentyBytesWithoutAStart", {{100, 9000, 100, QByteArray(20, '\x11')}}, 1900},
        {"brokenFrameAndGarbageInOneRead", {{100, 9000, 250, Broken(10.0) + noStart}}, 850},
        // Seven broken frames, a valid one, seven more: silence 6 s after the valid one.
        {"aValidFrameStartsTheCountAgain",
         {{100, 1600, 250, Broken(1)}, {1700, 1700, 1, kFrame30}, {1800, 3300, 250, Broken(1)}},
         7700},
    };
    for (const auto& [name, arrivals, silentAt] : rows) {
        SCOPED_TRACE(name);
        PollRig rig;
        rig.state.Recording = true;
        for (const Every& e : arrivals) rig.port.every(e.from, e.to, e.period, e.bytes);
        rig.start();
        rig.clock.advance(silentAt + 100);
        EXPECT_EQ(rig.silentAt, silentAt);
        EXPECT_EQ(rig.poll.noDataRuns(), 1);
        EXPECT_FALSE(rig.state.Recording);
        EXPECT_FALSE(rig.state.link.MeterOnline);
        EXPECT_TRUE(rig.poll.waitingForMeter());
    }
}

TEST(PollNoData, waitsForAValidFrameReadsTheClockWithGThenShowsFrames) {
    NoDataRig rig;
    rig.port.at(300, "garbage");
    rig.port.at(600, Broken(10.0));
    rig.framesFrom(2000);
    rig.start();
    EXPECT_TRUE(rig.clock.advanceUntil([&] { return rig.poll.framesShown() == 1; }, 3000));
    // Q (answered 5 ms later), the final 50 ms, G, 50 ms for the reply.
    const std::vector<std::pair<qint64, QByteArray>> wire = {{0, "Q"}, {100, "G"}};
    EXPECT_EQ(rig.clockCheck(), wire);
    EXPECT_EQ(rig.port.writeTimes.at(0), 2000);
    EXPECT_FALSE(rig.state.link.LinkLost);
    EXPECT_EQ(rig.captions, (QStringList{"Sem comunicação", "COM 3"}));
}

TEST(PollNoData, clockWithMonthOrDayZeroIsSetToTheFirstOfJanuary) {
    const QByteArray good("\x1a\x05\x0f\x0a\x14\x1e", 6);
    const std::tuple<const char*, QByteArray, bool> rows[] = {
        {"monthZero", QByteArray(good).replace(1, 1, QByteArray(1, '\0')), true},
        {"dayZero", QByteArray(good).replace(2, 1, QByteArray(1, '\0')), true},
        {"setClock", good, false},
        {"shortReply", QByteArray("\x1a\x00", 2), false},
    };
    for (const auto& [name, reply, sets] : rows) {
        SCOPED_TRACE(name);
        NoDataRig rig;
        rig.clockReply = reply;
        rig.framesFrom(0);
        rig.start();
        rig.clock.advance(1000);
        std::vector<std::pair<qint64, QByteArray>> wire = {{0, "Q"}, {100, "G"}};
        if (sets) {
            wire.push_back({150, "Q"});
            wire.push_back({300, "F"});
            wire.push_back({350, QByteArray("\x1a\x01\x01\x0a\x14\x1e", 6)});
        }
        EXPECT_EQ(rig.clockCheck(), wire);
        EXPECT_FALSE(rig.state.link.LinkLost);
        EXPECT_GE(rig.poll.framesShown(), 1);
    }
}

TEST(PollNoData, aVanishedOrPulledOutPortIsReopenedEveryHalfSecond) {
    for (bool pulledOut : {false, true}) {
        SCOPED_TRACE(pulledOut);
        NoDataRig rig;
        rig.state.link.LinkLost = pulledOut ? false : true;
        if (pulledOut) {
            rig.port.every(100, 900, 250, kFrame30);
            rig.clock.addListener([&](qint64 now) {
                if (now == 1000) rig.port.failNow();
            });
        } else {
            rig.port.close();
        }
        rig.port.openOutcome = OpenOutcome::Missing;
        rig.clock.addListener([&](qint64 now) {
            if (now == 5000) rig.port.openOutcome = OpenOutcome::Opened;
        });
        rig.framesFrom(5200);
        rig.start();
        rig.clock.advance(4999);
        EXPECT_EQ(rig.port.opens, pulledOut ? 8 : 10);  // from 0 or 1000 ms on
        EXPECT_TRUE(rig.captions.contains("Sem comunicação"));
        EXPECT_TRUE(rig.clock.advanceUntil([&] { return !rig.state.link.LinkLost; }, 1000));
        EXPECT_EQ(rig.port.opens, pulledOut ? 9 : 11);
    }
}

TEST(PollNoData, aMeterThatStopsAnsweringDuringTheClockCheckIsWaitedForAgainAfterFiveSeconds) {
    NoDataRig rig;
    rig.port.at(100, kFrame30);
    rig.meterAnswers = false;
    rig.start();
    rig.clock.advance(5200);
    EXPECT_EQ(rig.port.attentions, 100);  // 5 s of Q every 50 ms, not the 500 s of 10000
    EXPECT_FALSE(rig.wrote('G'));
    EXPECT_EQ(rig.allCaptions.count("Sem comunicação"), 2);
    rig.meterAnswers = true;
    rig.framesFrom(6000);
    EXPECT_TRUE(rig.clock.advanceUntil([&] { return !rig.state.link.LinkLost; }, 1000));
    EXPECT_TRUE(rig.wrote('G'));
}

TEST(PollNoData, stoppingTheLinkEndsTheWaitAtOnce) {
    for (bool inHandshake : {false, true}) {
        SCOPED_TRACE(inHandshake);
        NoDataRig rig;
        if (inHandshake) {  // a frame came, but the meter never answers "Q"
            rig.meterAnswers = false;
            rig.framesFrom(1900);
        }
        rig.port.close();
        rig.port.openOutcome = OpenOutcome::Missing;
        rig.start();
        rig.clock.advance(2000);
        rig.link.stop();
        const size_t writes = rig.port.writes.size();
        const int opens = rig.port.opens;
        rig.clock.advance(3000);
        EXPECT_EQ(rig.port.writes.size(), writes);
        EXPECT_EQ(rig.port.opens, opens);
        EXPECT_TRUE(rig.state.link.LinkLost);
    }
}
