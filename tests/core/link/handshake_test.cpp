#include "core/link/Handshake.h"

#include <gtest/gtest.h>

#include "core/link/MeterLink.h"
#include "core/link/VirtualClock.h"
#include "support/FakePort.h"

using namespace montira;
using montira::test::FakePort;

namespace {

// The exchange runs on a meter link; time moves 50 ms at a time, so waits end exactly.
struct Rig {
    VirtualClock clock;
    FakePort port{&clock};
    LinkState state;
    MeterLink link{port, clock, state};
    Rig() {
        clock.setStepMs(50);
        state.MeterOnline = true;
    }
    // Runs `ex` to its end; the time it took.
    qint64 run(Exchange& ex) {
        const qint64 t0 = clock.nowMs();
        EXPECT_TRUE(link.run(ex));
        EXPECT_TRUE(clock.advanceUntil([&] { return ex.finished(); }, 1000000));
        return clock.nowMs() - t0;
    }
};

}  // namespace

TEST(Handshake, replyEndingInJEndsItAndJThenCarriageReturnEmptyOrStaleRepliesAreRetried) {
    const QList<QByteArray> rows[] = {{QByteArray("\xFF\xAA\x01\x02", 4) + "J"},
                                      {"J\r", "", "JJx", "okJ"}};
    for (const QList<QByteArray>& replies : rows) {
        Rig r;
        r.port.arrive("J");  // a stale J from before the first Q does not count
        r.port.qReplies = replies;
        SendCommand ex(r.state, 'K');
        // Each reply's wait, the final wait, and the wait after the letter.
        EXPECT_EQ(r.run(ex), (replies.size() + 2) * 50);
        EXPECT_TRUE(ex.online());
        EXPECT_TRUE(r.state.MeterOnline);
        EXPECT_EQ(r.port.written, QByteArray(replies.size(), 'Q') + "K");
    }
}

TEST(Handshake, givesUpOnThe10001stSilentAttemptAtOnceForAGonePortOrAtTheSilenceBound) {
    const struct {
        const char* name;
        int silent;  // Q answered with nothing this many times, then with J; -1: never answered
        bool portGone;
        qint64 boundMs, tookMs;
        int attentions;
        bool online;
    } rows[] = {
        // Each attempt's 50 ms; without an answer there is no final wait, only the letter's.
        {"silent meter", -1, false, 0, 10001 * 50 + 50, 10001, false},
        {"answer on the 10000th attempt", 9999, false, 0, 10000 * 50 + 100, 10000, true},
        {"answer on the last attempt is too late", 10000, false, 0, 10001 * 50 + 50, 10001, false},
        {"port gone", -1, true, 0, 0, 1, false},
        {"silence bound", -1, false, 10000, 10000, 200, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Rig r;
        r.port.failedFlag = row.portGone;
        for (int i = 0; i < row.silent; ++i) r.port.qReplies.append(QByteArray());
        if (row.silent >= 0) r.port.qReplies.append("J");
        SendCommand ex(r.state, 'D', row.boundMs ? row.boundMs : Exchange::kNever);
        EXPECT_EQ(r.run(ex), row.tookMs);
        EXPECT_LE(r.port.attentions, row.attentions);
        EXPECT_GE(r.port.attentions, row.portGone ? 0 : row.attentions);
        EXPECT_EQ(ex.online(), row.online);
        EXPECT_EQ(r.state.MeterOnline, row.online);
        EXPECT_TRUE(row.portGone || r.port.written.endsWith("QD"));  // the letter goes out
    }
}

TEST(Commands, queryReturnsOnlyWhatFollowsTheLetter) {
    Rig r;
    r.port.qReplies = {"J"};
    const QByteArray clock("\x1A\x03\x04\x09\x05\x07", 6);
    r.port.answer = [&](const QByteArray& b) { return b == "G" ? clock : QByteArray(); };
    r.clock.addListener([&](qint64 t) {
        if (t == 100) r.port.arrive("frame tail");  // after the handshake, before the letter
    });
    QueryCommand ex(r.state, 'G', 6);
    EXPECT_EQ(r.run(ex), 150);
    EXPECT_EQ(ex.reply(), clock);
    EXPECT_EQ(r.port.written, "QG");
}

TEST(Commands, queryAsksAgainFromTheHandshakeWhileTheReplyIsShortAndNothingWhenOffline) {
    Rig r;
    r.port.qDefault = "J";
    int asked = 0;
    r.port.answer = [&](const QByteArray& b) {
        return b == "G" && ++asked == 3 ? QByteArray(6, '\1') : QByteArray(5, '\1');
    };
    QueryCommand ex(r.state, 'G', 6);
    r.run(ex);
    EXPECT_EQ(r.port.written, "QGQGQG");
    EXPECT_EQ(ex.reply(), QByteArray(6, '\1'));

    Rig offline;
    offline.state.MeterOnline = false;
    QueryCommand none(offline.state, 'G', 6);
    EXPECT_EQ(offline.run(none), 0);
    EXPECT_TRUE(offline.port.written.isEmpty());
}

TEST(VirtualClock, alarmsRingOnceWhenDueAndNotAfterTheyAreCancelledOrGone) {
    VirtualClock clock(1000);
    std::vector<qint64> rang;
    auto a = clock.alarm([&] { rang.push_back(clock.nowMs()); });
    auto gone = clock.alarm([&] { rang.push_back(-1); });
    auto cancelled = clock.alarm([&] { rang.push_back(-2); });
    a->at(1050);
    gone->at(1010);
    gone.reset();
    cancelled->at(1020);
    cancelled->cancel();
    int listened = 0;
    clock.addListener([&](qint64) { ++listened; });
    clock.advance(100);
    EXPECT_EQ(rang, std::vector<qint64>{1050});
    EXPECT_EQ(listened, 100);
    a->at(900);  // already past: rings at the next step
    clock.advance(1);
    EXPECT_EQ(rang, (std::vector<qint64>{1050, 1101}));
}
