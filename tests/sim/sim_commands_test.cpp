// Every command of the meter exchanged byte for byte with the in-process simulated meter.
#include <gtest/gtest.h>

#include "core/link/Handshake.h"
#include "core/link/VirtualClock.h"
#include "core/live/LiveFrame.h"
#include "sim/SimMeter.h"
#include "sim/SimSerialPort.h"

using namespace montira;
using montira::sim::SimMeter;

namespace {

QByteArray Bytes(std::initializer_list<int> v) {
    QByteArray b;
    for (int x : v) b += char(uint8_t(x));
    return b;
}

struct Rig {
    SimMeter meter;
    VirtualClock clock;
    sim::SimSerialPort port{meter, clock};
    LinkState link;
    Rig() {
        meter.setDrift(false);
        port.open();
        clock.advance(1000);  // a few frames went by
    }
    // Handshake, letter, Delay(0.05), reply.
    QByteArray query(char letter) { return QueryCommand(port, clock, link, letter); }
    // Handshake, letter, Delay(0.05), then each parameter byte after its own Delay(0.05).
    void send(char letter, const QByteArray& params = {}) {
        SendCommand(port, clock, link, letter);
        for (char p : params) {
            port.write(QByteArray(1, p));
            clock.delay(0.05);
        }
    }
    // The next whole live frame the meter transmits.
    LiveState frame() {
        port.readAll();
        QByteArray buf;
        for (int i = 0; i < 2000 && buf.size() < 47 + 47; ++i) {
            clock.advance(1);
            buf += port.readAll();
        }
        LiveState st;
        const int at = buf.indexOf(QByteArray("\xFF\xAA", 2));
        EXPECT_GE(at, 0);
        if (at >= 0 && IsLiveFrameValid(buf.mid(at))) DecodeLiveFrame(ToLiveFrame(buf.mid(at)), st);
        return st;
    }
};

}  // namespace

TEST(SimHandshake, answersQWithJAndTakesOneCommandPerHandshake) {
    Rig r;
    EXPECT_TRUE(AttentionHandshake(r.port, r.clock, r.link));
    r.port.write("K");
    r.port.write("L");  // no second handshake: ignored
    r.clock.delay(0.05);
    EXPECT_EQ(r.meter.commandLog(), "K");
    EXPECT_TRUE(r.meter.imperial());
    EXPECT_FALSE(r.meter.hold());
    r.port.write("N");  // a letter without any handshake is ignored too
    EXPECT_EQ(r.meter.commandLog(), "K");
}

TEST(SimClock, readAndSetTheClock) {
    Rig r;
    const uint8_t start[6] = {26, 3, 4, 9, 5, 7};
    r.meter.setClock(start);
    EXPECT_EQ(r.query('G'), Bytes({26, 3, 4, 9, 5, 7}));
    r.send('F', Bytes({27, 12, 31, 23, 59, 58}));
    EXPECT_TRUE(r.port.written().endsWith(QByteArray("QF") + Bytes({27, 12, 31, 23, 59, 58})));
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(r.meter.clock()), 6),
              Bytes({27, 12, 31, 23, 59, 58}));
    r.clock.advance(3000);  // the clock runs on, across the year
    const QByteArray g = r.query('G');
    EXPECT_EQ(g.left(3), Bytes({28, 1, 1}));
}

TEST(SimSampling, readAndSetTheLoggingInterval) {
    Rig r;
    EXPECT_EQ(r.query('J'), Bytes({0, 2}));
    r.send('H', Bytes({5}));
    EXPECT_EQ(r.query('J'), Bytes({5, 0}));
    r.send('I', Bytes({30}));
    EXPECT_EQ(r.query('J'), Bytes({0, 30}));
    r.send('H', Bytes({75}));  // out of range: the meter keeps to its limits
    EXPECT_EQ(r.query('J'), Bytes({60, 0}));
}

TEST(SimPowerOff, readSetAndLeaveAlone) {
    Rig r;
    EXPECT_EQ(r.query('B'), Bytes({0x04, 0xB0}));  // 1200 s
    r.send('A', Bytes({0x01, 0x2C}));
    EXPECT_EQ(r.meter.powerOffSeconds(), 300);
    EXPECT_EQ(r.query('B'), Bytes({0x01, 0x2C}));
    r.send('E');
    EXPECT_EQ(r.query('B'), Bytes({0x01, 0x2C}));
    EXPECT_EQ(r.meter.commandLog(), "BABEB");
    // On the wire: one Q per command (the meter answered each at once), then the letter and
    // its parameter bytes.
    EXPECT_EQ(r.port.written(), QByteArray("QBQA") + Bytes({0x01, 0x2C}) + "QBQEQB");
}

TEST(SimPowerOff, parameterBytesThatNeverComeAreForgotten) {
    Rig r;
    r.send('A', Bytes({0x00}));  // the low byte never follows
    r.clock.advance(1500);
    EXPECT_EQ(r.query('B'), Bytes({0x04, 0xB0}));    // the half-sent value was not taken
    EXPECT_EQ(r.frame().reading.GlobeText, "31.2");  // and the meter streams again
}

TEST(SimLogger, statusDumpAndErase) {
    Rig r;
    const QByteArray dump = r.meter.loggerDump();
    EXPECT_EQ(dump.size(), 16 + 12 * 8 + 16 + 40 * 8);
    const int used = 2048 + int(dump.size());
    EXPECT_EQ(r.query('c'), Bytes({2, 0, used >> 8, used & 0xFF, 0, 2, 3}));
    EXPECT_EQ(r.query('C'), dump);
    // First set header: 26/11/30 23:58:30, every 1:30, 12 records.
    EXPECT_EQ(dump.left(10), Bytes({26, 11, 30, 23, 58, 30, 1, 30, 0, 12}));
    // The second set starts right after the first one's records.
    EXPECT_EQ(dump.mid(16 + 96, 10), Bytes({26, 12, 1, 23, 58, 30, 0, 30, 0, 40}));
    r.send('D');
    EXPECT_EQ(r.query('c'), Bytes({2, 0, 0x08, 0x00, 0, 0, 3}));
    EXPECT_TRUE(r.query('C').isEmpty());
}

TEST(SimLogger, fullAndEmptyLoggers) {
    Rig r;
    r.meter.fillLogger(126207);
    EXPECT_EQ(r.meter.memoryUsed(), 126207);
    const QByteArray status = r.query('c');
    ASSERT_EQ(status.size(), 7);
    EXPECT_EQ(status.mid(1, 3), Bytes({0x01, 0xEC, 0xFF}));
    const int sets = uint8_t(status[4]) * 256 + uint8_t(status[5]);
    EXPECT_EQ(sets, r.meter.sets().size());
    EXPECT_EQ(r.query('C').size(), 126207 - 2048);
    // Walking the sets by their headers stays inside the dump.
    const QByteArray dump = r.meter.loggerDump();
    int q = 0;
    for (int i = 0; i < sets; ++i) {
        const int records = uint8_t(dump[q + 8]) * 256 + uint8_t(dump[q + 9]);
        EXPECT_GE(uint8_t(dump[q + 1]), 1);
        q += 16 + 8 * records;
    }
    EXPECT_LE(q, dump.size());
    EXPECT_TRUE(r.frame().flags.FlagMemoryFull);

    r.meter.fillLogger(2048);
    EXPECT_EQ(r.query('c'), Bytes({2, 0, 0x08, 0x00, 0, 0, 3}));
}

TEST(SimManual, queryAndDumpTheManualRecords) {
    Rig r;
    EXPECT_EQ(r.query('S'), Bytes({'Y', 3}));
    const QByteArray t = r.query('T');
    ASSERT_EQ(t.size(), 60);
    // Record 1: date 26/12/01, time 10:15:00, offset terms 5 and 5.
    EXPECT_EQ(t.mid(8, 6), Bytes({26, 12, 1, 10, 15, 0}));
    EXPECT_EQ(t.mid(14, 6), Bytes({0, 5, 0, 5, 0, 0}));
    EXPECT_EQ(uint8_t(t[0]) * 256 + uint8_t(t[1]), 5100 + 3200);  // globe 32.00 °C
    r.meter.clearManualRecords();
    EXPECT_EQ(r.query('S'), Bytes({'Z', 0}));
    EXPECT_TRUE(r.query('T').isEmpty());
}

TEST(SimKeys, unitsHoldAndModeShowInTheFrame) {
    Rig r;
    LiveState st = r.frame();
    EXPECT_FALSE(st.flags.FlagImperial);
    EXPECT_TRUE(st.flags.FlagDry);
    r.send('K');
    EXPECT_TRUE(r.frame().flags.FlagImperial);
    r.send('K');
    EXPECT_FALSE(r.frame().flags.FlagImperial);

    r.meter.setDrift(true);
    r.send('L');
    st = r.frame();
    EXPECT_TRUE(st.flags.FlagHold);
    const double held = st.display.Upper;
    r.clock.advance(5000);
    EXPECT_DOUBLE_EQ(r.frame().display.Upper, held);  // the display stays frozen
    r.send('L');
    EXPECT_FALSE(r.frame().flags.FlagHold);

    r.send('N');
    EXPECT_TRUE(r.frame().flags.FlagGlobe);
    r.send('N');
    EXPECT_TRUE(r.frame().flags.FlagWbgt);
    r.send('N');
    EXPECT_TRUE(r.frame().flags.FlagWind);
    r.send('N');
    EXPECT_TRUE(r.frame().flags.FlagDry);
}

TEST(SimKeys, maxMinTimeAndEscape) {
    Rig r;
    EXPECT_EQ(r.frame().flags.MaxMinSelection, 6);
    r.send('O');
    LiveState st = r.frame();
    EXPECT_TRUE(st.flags.FlagGlobeMax);
    EXPECT_TRUE(st.flags.FlagMax);
    r.send('O');
    st = r.frame();
    EXPECT_TRUE(st.flags.FlagGlobeMin);
    EXPECT_TRUE(st.flags.FlagMin);
    r.send('P');
    EXPECT_TRUE(r.frame().flags.FlagDate);
    r.send('o');
    st = r.frame();
    EXPECT_EQ(st.flags.MaxMinSelection, 6);
    EXPECT_FALSE(st.flags.FlagDate || st.flags.FlagMax || st.flags.FlagMin);
}

TEST(SimKeys, memStoresAManualRecordAndReadRecallsThem) {
    Rig r;
    r.send('R');
    EXPECT_TRUE(r.frame().flags.FlagM);
    EXPECT_EQ(r.query('S'), Bytes({'Y', 4}));
    r.send('U');
    LiveState st = r.frame();
    EXPECT_TRUE(st.flags.FlagR);
    EXPECT_EQ(st.display.Number, 4);
    r.send('W');
    EXPECT_EQ(r.frame().display.Number, 3);
    r.send('V');
    r.send('V');
    EXPECT_EQ(r.frame().display.Number, 1);  // wraps round
    r.send('o');
    EXPECT_FALSE(r.frame().flags.FlagR);
}

TEST(SimKeys, runStopLogsAndLeavesANewSet) {
    Rig r;
    r.send('I', Bytes({1}));
    r.send('M');
    EXPECT_TRUE(r.meter.running());
    EXPECT_TRUE(r.frame().flags.FlagRun);
    r.clock.advance(10000);
    r.send('M');
    EXPECT_FALSE(r.meter.running());
    EXPECT_FALSE(r.frame().flags.FlagRun);
    ASSERT_EQ(r.meter.sets().size(), 3);
    const auto& set = r.meter.sets().back();
    EXPECT_GE(set.records.size(), 10);
    EXPECT_LE(set.records.size(), 13);
    EXPECT_EQ(set.intervalSeconds, 1);
    const QByteArray status = r.query('c');
    EXPECT_EQ(uint8_t(status[5]), 3);
}

TEST(SimStream, airSpeedReadsAboutWhatTheMeterMeasures) {
    for (double ms : {0.5, 1.6, 4.0, 12.0}) {
        Rig r;
        r.meter.setAirSpeed(ms);
        EXPECT_NEAR(r.frame().reading.AirSpeed, ms, 0.25) << ms;  // a probe count is coarse
    }
}
