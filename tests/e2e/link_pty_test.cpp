// The real serial path: QtSerialPort (QSerialPort) against `montira-cli sim --pty` running as
// a separate process on a pseudo-terminal.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>

#include "core/link/Handshake.h"
#include "core/link/MeterLink.h"
#include "core/link/PortProbe.h"
#include "core/link/QtSerialPort.h"
#include "core/link/SteadyClock.h"
#include "core/meter/LiveFrame.h"
#include "support/Processes.h"

using namespace montira;
using montira::test::SimProcess;

namespace {

QByteArray FindFrame(const QByteArray& buf) {
    for (int at = buf.indexOf(QByteArray("\xFF\xAA", 2)); at >= 0 && at + 47 <= buf.size();
         at = buf.indexOf(QByteArray("\xFF\xAA", 2), at + 1)) {
        if (IsLiveFrameValid(buf.mid(at, 47))) return buf.mid(at, 47);
    }
    return {};
}

// Runs `ex` on a link over `port` in the event loop; true when it ended within `ms`.
bool RunFor(SerialPort& port, LinkState& state, Exchange& ex, int ms) {
    SteadyClock clock;
    MeterLink link(port, clock, state);
    bool ended = false;
    if (!link.run(ex, [&] { ended = true; })) return false;
    const bool inTime = QTest::qWaitFor([&] { return ended; }, ms);
    link.cancel(ex);
    return inTime;
}

}  // namespace

TEST(LinkPty, framesHandshakeAndClockQueryThroughQSerialPort) {
    SimProcess sim({"--period", "0.1"});
    ASSERT_TRUE(sim.path().startsWith("/dev/")) << sim.path().toStdString();
    QtSerialPort port(sim.path());
    QString why;
    ASSERT_EQ(port.open(&why), OpenOutcome::Opened) << why.toStdString();

    // Another program (here: another port object) cannot have it meanwhile; the probe lists it.
    QtSerialPort second(sim.path());
    EXPECT_EQ(second.open(), OpenOutcome::Busy);
    QtPortProbe probe;
    EXPECT_EQ(probe.probe(sim.path()), OpenOutcome::Busy);

    // QSerialPort's notifier fills the buffer from the event loop and the port announces it.
    int announced = 0;
    port.readyRead = [&] { ++announced; };
    QByteArray buf, frame;
    QElapsedTimer t;
    t.start();
    while (frame.isEmpty() && t.elapsed() < 5000) {
        QTest::qWait(20);
        buf += port.readAll();
        frame = FindFrame(buf);
    }
    ASSERT_FALSE(frame.isEmpty()) << buf.size();
    EXPECT_GT(announced, 0);
    port.readyRead = nullptr;
    LiveState st;
    DecodeLiveFrame(ToLiveFrame(frame), st);
    EXPECT_NE(st.reading.GlobeText, "- - -");

    // Through the meter link, woken by the port's readyRead and its alarms.
    LinkState link;
    link.MeterOnline = true;  // its frame came, as the poll would have marked it
    QueryCommand query(link, 'G', 6);
    ASSERT_TRUE(RunFor(port, link, query, 15000));
    EXPECT_TRUE(query.online());
    EXPECT_TRUE(link.MeterOnline);
    const QByteArray g = query.reply();
    ASSERT_EQ(g.size(), 6) << g.toHex().toStdString();
    EXPECT_EQ(g.left(4), QByteArray("\x1A\x01\x01\x0C", 4));  // 26/01/01 12 h

    // Frames come back after the exchange.
    buf.clear();
    frame.clear();
    for (int i = 0; i < 100 && frame.isEmpty(); ++i) {
        QTest::qWait(20);
        buf += port.readAll();
        frame = FindFrame(buf);
    }
    EXPECT_FALSE(frame.isEmpty());
}

TEST(LinkPty, aVanishedMeterIsReportedAsAFailedPort) {
    SimProcess sim;
    ASSERT_FALSE(sim.path().isEmpty());
    QtSerialPort port(sim.path());
    ASSERT_EQ(port.open(), OpenOutcome::Opened);
    QTest::qWait(300);
    EXPECT_FALSE(port.readAll().isEmpty());
    EXPECT_FALSE(port.failed());
    sim.kill();
    for (int i = 0; i < 100 && !port.failed(); ++i) {
        QTest::qWait(20);
        port.readAll();
    }
    EXPECT_TRUE(port.failed());
    LinkState link;
    // No silence bound: only the failed port ends the handshake's 10000 attempts.
    link.MeterOnline = true;  // as it was while the frames came
    QueryCommand query(link, 'G', 1, true, Exchange::kNever);
    EXPECT_TRUE(RunFor(port, link, query, 2000));  // at once, not after 500 s
    EXPECT_FALSE(query.online());
    EXPECT_TRUE(query.reply().isEmpty());
    EXPECT_FALSE(link.MeterOnline);
}
