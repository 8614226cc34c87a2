#include "core/link/Handshake.h"

#include <gtest/gtest.h>

#include <QTimer>
#include <limits>

#include "core/link/EventLoopClock.h"
#include "core/link/VirtualClock.h"
#include "support/FakePort.h"

using namespace montira;
using montira::test::FakePort;

namespace {

struct Rig {
    FakePort port;
    VirtualClock clock;
    LinkState state;
    Rig() { clock.setStepMs(50); }
};

}  // namespace

TEST(Handshake, replyEndingInJEndsItAndJThenCarriageReturnEmptyOrStaleRepliesAreRetried) {
    const QList<QByteArray> rows[] = {{QByteArray("\xFF\xAA\x01\x02", 4) + "J"},
                                      {"J\r", "", "JJx", "okJ"}};
    for (const QList<QByteArray>& replies : rows) {
        Rig r;
        r.port.arrive("J");  // a stale J from before the first Q does not count
        r.port.qReplies = replies;
        EXPECT_TRUE(AttentionHandshake(r.port, r.clock, r.state));
        EXPECT_TRUE(r.state.MeterOnline);
        EXPECT_EQ(r.port.written, QByteArray(replies.size(), 'Q'));
        EXPECT_EQ(r.clock.nowMs(), (replies.size() + 1) * 50);  // each reply's and the final wait
    }
}

TEST(Handshake, silentMeterGivesUpOnThe10001stAttemptWithoutTheFinalWait) {
    Rig r;
    r.state.MeterOnline = true;
    EXPECT_FALSE(AttentionHandshake(r.port, r.clock, r.state));
    EXPECT_FALSE(r.state.MeterOnline);
    EXPECT_EQ(r.port.attentions, 10001);
    EXPECT_EQ(r.clock.nowMs(), 10001 * 50);
}

TEST(Handshake, answerOnTheLastAttemptIsTooLate) {
    for (int silent : {9999, 10000}) {
        Rig r;
        for (int i = 0; i < silent; ++i) r.port.qReplies.append(QByteArray());
        r.port.qReplies.append("J");
        EXPECT_EQ(AttentionHandshake(r.port, r.clock, r.state), silent == 9999);
    }
}

TEST(Handshake, givesUpAtOnceWhenStoppingOrThePortIsGone) {
    for (bool stopping : {true, false}) {
        Rig r;
        if (stopping) r.clock.requestStop();
        r.port.failedFlag = !stopping;
        EXPECT_FALSE(AttentionHandshake(r.port, r.clock, r.state));
        EXPECT_LE(r.port.attentions, 1) << stopping;
    }
}

TEST(Commands, sendCommandWritesTheLetterAfterTheHandshakeEvenWithoutAnAnswer) {
    Rig r;
    r.port.qReplies = {"J"};
    EXPECT_TRUE(SendCommand(r.port, r.clock, r.state, 'K'));
    EXPECT_EQ(r.port.written, "QK");
    EXPECT_EQ(r.clock.nowMs(), 150);
    Rig silent;
    EXPECT_FALSE(SendCommand(silent.port, silent.clock, silent.state, 'D'));
    EXPECT_TRUE(silent.port.written.endsWith("QD"));
}

TEST(Commands, queryReturnsOnlyWhatFollowsTheLetter) {
    Rig r;
    r.port.qReplies = {"J"};
    const QByteArray clock("\x1A\x03\x04\x09\x05\x07", 6);
    r.port.answer = [&](const QByteArray& b) { return b == "G" ? clock : QByteArray(); };
    r.clock.addListener([&](qint64 t) {
        if (t == 100) r.port.arrive("frame tail");  // after the handshake, before the letter
    });
    EXPECT_EQ(QueryCommand(r.port, r.clock, r.state, 'G'), clock);
    EXPECT_EQ(r.port.written, "QG");
}

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
