#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "core/link/Handshake.h"
#include "core/meter/LiveFrame.h"
#include "support/SimRig.h"

using namespace montira;

namespace {

QByteArray Bytes(std::initializer_list<int> v) {
    QByteArray b;
    for (int x : v) b += char(uint8_t(x));
    return b;
}

// The simulated meter on the rig's link; what it sends between exchanges is read here, not by
// the link.
struct Bare : test::SimRig {
    Bare() { link.MeterOnline = true; }
    QByteArray grab(qint64 ms) {
        const auto linkReads = std::exchange(port.readyRead, nullptr);
        QByteArray b = collect(ms);
        port.readyRead = linkReads;
        return b;
    }
    QByteArray query(char letter, bool repeat = true) {
        QueryCommand q(link, letter, 1, repeat);
        EXPECT_TRUE(run(q));
        return q.reply();
    }
    void send(char letter, const QByteArray& params = {}) {
        SendCommand c(link, letter);
        EXPECT_TRUE(run(c));
        for (char p : params) {
            port.write(QByteArray(1, p));
            clock.advance(50);
        }
    }
};

struct Rig : Bare {
    Rig() { clock.advance(1000); }  // a few frames went by
    LiveState frame() {
        port.readAll();
        QByteArray buf;
        for (int i = 0; i < 2000 && buf.size() < 47 + 47; ++i) buf += grab(1);
        LiveState st;
        const int at = buf.indexOf(QByteArray("\xFF\xAA", 2));
        EXPECT_GE(at, 0);
        if (at >= 0 && IsLiveFrameValid(buf.mid(at))) DecodeLiveFrame(ToLiveFrame(buf.mid(at)), st);
        return st;
    }
};

}  // namespace

// The replies to the settings, manual-record and logger commands are read by the exchanges
// that run against this meter (meter_settings_test, manual_download_test, the memory window);
// here what only the live frames show: the keys and a logging run.
TEST(SimCommands, keysShowInTheNextFrame) {
    Rig r;
    const std::pair<char, std::function<bool(const LiveState&)>> steps[] = {
        {'K', [](const LiveState& s) { return s.flags.FlagImperial; }},
        {'K', [](const LiveState& s) { return !s.flags.FlagImperial; }},
        {'L', [](const LiveState& s) { return s.flags.FlagHold; }},
        {'N', [](const LiveState& s) { return s.flags.FlagGlobe; }},
        {'O', [](const LiveState& s) { return s.flags.FlagGlobeMax; }},
        {'P', [](const LiveState& s) { return s.flags.FlagDate; }},
        {'o', [](const LiveState& s) { return s.flags.MaxMinSelection == 6 && !s.flags.FlagDate; }},
        {'R', [](const LiveState& s) { return s.flags.FlagM; }},
        {'U', [](const LiveState& s) { return s.flags.FlagR; }},
    };
    for (const auto& [letter, shows] : steps) {
        SCOPED_TRACE(std::string(1, letter));
        r.send(letter);
        EXPECT_TRUE(shows(r.frame()));
    }
}

TEST(SimCommands, runLogsASetAtTheSamplingInterval) {
    Rig r;
    r.send('D');
    r.send('I', Bytes({1}));
    r.send('M');
    EXPECT_TRUE(r.frame().flags.FlagRun);
    r.clock.advance(10000);
    r.send('M');
    EXPECT_FALSE(r.frame().flags.FlagRun);
    ASSERT_EQ(r.meter.sets().size(), 1);
    EXPECT_GE(r.meter.sets().back().records.size(), 10);
    EXPECT_LE(r.meter.sets().back().records.size(), 13);
}

TEST(SimCommands, clockRunsOnAcrossTheYear) {
    Rig r;
    r.send('F', Bytes({27, 12, 31, 23, 59, 58}));
    r.clock.advance(3000);
    EXPECT_EQ(r.query('G').left(3), Bytes({28, 1, 1}));
}

TEST(SimCommands, oneCommandPerHandshakeAndHalfSentParametersAreForgotten) {
    Rig r;
    r.send('K');
    r.port.write("L");  // no second handshake: ignored
    r.clock.advance(50);
    r.port.write("N");
    EXPECT_EQ(r.meter.commandLog(), "K");
    r.send('A', Bytes({0x00}));  // the low byte never follows
    r.clock.advance(1500);
    EXPECT_EQ(r.query('B'), Bytes({0x04, 0xB0}));
    EXPECT_EQ(r.frame().reading.GlobeText, "31.2");  // and the meter streams again
}

TEST(SimLogger, fullLoggerStatusDumpAndFlagAgree) {
    Rig r;
    r.meter.fillLogger(126207);
    const QByteArray status = r.query('c');
    ASSERT_EQ(status.size(), 7);
    EXPECT_EQ(status.mid(1, 3), Bytes({0x01, 0xEC, 0xFF}));
    const int sets = uint8_t(status[4]) * 256 + uint8_t(status[5]);
    EXPECT_EQ(sets, r.meter.sets().size());
    const QByteArray dump = r.query('C');
    EXPECT_EQ(dump.size(), 126207 - 2048);
    int q = 0;  // walking the sets by their headers stays inside the dump
    for (int i = 0; i < sets; ++i)
        q += 16 + 8 * (uint8_t(dump[q + 8]) * 256 + uint8_t(dump[q + 9]));
    EXPECT_LE(q, dump.size());
    EXPECT_TRUE(r.frame().flags.FlagMemoryFull);
}

// The faults the simulated meter can inject, as a reader of its bytes sees them.
TEST(SimFaults, splitFramesArriveInPieces) {
    Bare r;
    r.meter.faults().splitFrames = 3;
    QByteArray first = r.grab(1);
    EXPECT_EQ(first.size(), 16);
    first += r.grab(60);
    EXPECT_EQ(first.size(), 47);
    EXPECT_TRUE(IsLiveFrameValid(first));
}

TEST(SimFaults, pacedRepliesTakeTheWireTimeAt19200Baud) {
    Bare r;
    r.meter.faults().pacedAt19200 = true;
    r.meter.fillLogger(2048 + 16 + 8 * 1198);  // a 9600-byte dump: five seconds on the wire
    r.grab(1000);
    QByteArray dump = r.query('C', false);
    EXPECT_LT(dump.size(), 200);  // 50 ms after the letter only a little has arrived
    qint64 waited = 50;
    for (; dump.size() < 9600 && waited < 20000; waited += 10) dump += r.grab(10);
    EXPECT_EQ(dump.left(9600), r.meter.loggerDump());  // frames may follow at once
    EXPECT_GE(waited, 4900);
    EXPECT_LE(waited, 5200);
}

TEST(SimFaults, aClosedPortLosesWhatTheMeterSends) {
    Bare r;
    r.port.close();
    r.clock.advance(1000);
    EXPECT_EQ(r.port.bytesWaiting(), 0);
    r.port.open();
    EXPECT_TRUE(r.port.readAll().isEmpty());
    r.port.setAvailable(false);
    EXPECT_TRUE(r.port.failed());
    EXPECT_NE(r.port.open(), OpenOutcome::Opened);
}
