// Every command of the meter exchanged byte for byte with the in-process simulated meter.
#include <gtest/gtest.h>

#include <functional>

#include "core/link/Handshake.h"
#include "core/link/VirtualClock.h"
#include "core/meter/LiveFrame.h"
#include "sim/SimMeter.h"
#include "sim/SimSerialPort.h"
#include "support/SimRig.h"

using namespace montira;
using montira::sim::SimMeter;

namespace {

QByteArray Bytes(std::initializer_list<int> v) {
    QByteArray b;
    for (int x : v) b += char(uint8_t(x));
    return b;
}

struct Rig : test::SimRig {
    Rig() { clock.advance(1000); }  // a few frames went by
    QByteArray query(char letter) { return QueryCommand(port, clock, link, letter); }
    // Handshake, letter, then each parameter byte after its own Delay(0.05).
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

// Clock, sampling and power-off replies are checked through the settings exchanges
// (meter_settings_test); here the keys, the manual records and the logger.
TEST(SimCommands, keysManualRecordsAndLoggerInOneSession) {
    Rig r;
    const QByteArray dump = r.meter.loggerDump();
    ASSERT_EQ(dump.size(), 16 + 12 * 8 + 16 + 40 * 8);
    const int used = 2048 + int(dump.size());
    const QByteArray none;  // a command without a reply (a null array: nothing is read)
    struct Step {
        char letter;
        QByteArray reply;
        std::function<bool()> then;
    } steps[] = {
        {'K', none, [&] { return r.frame().flags.FlagImperial; }},
        {'K', none, [&] { return !r.frame().flags.FlagImperial; }},
        {'L', none, [&] { return r.frame().flags.FlagHold; }},
        {'N', none, [&] { return r.frame().flags.FlagGlobe; }},
        {'N', none, [&] { return r.frame().flags.FlagWbgt; }},
        {'O', none, [&] { return r.frame().flags.FlagGlobeMax; }},
        {'P', none, [&] { return r.frame().flags.FlagDate; }},
        {'o', none,
         [&] { return r.frame().flags.MaxMinSelection == 6 && !r.frame().flags.FlagDate; }},
        {'R', none, [&] { return r.frame().flags.FlagM; }},
        {'S', Bytes({'Y', 4}), {}},  // the record just stored joins the three
        {'U', none, [&] { return r.frame().flags.FlagR && r.meter.recallIndex() == 4; }},
        {'V', none, [&] { return r.frame().display.Number == 1; }},  // wraps round
        {'c', Bytes({2, 0, used >> 8, used & 0xFF, 0, 2, 3}), {}},
        {'C', dump, {}},
        {'D', none, {}},
        {'c', Bytes({2, 0, 0x08, 0x00, 0, 0, 3}), {}},
        {'C', QByteArray(""), {}},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(std::string(1, s.letter));
        const qsizetype before = r.port.written().size();
        if (!s.reply.isNull()) {
            EXPECT_EQ(r.query(s.letter), s.reply);
        } else {
            r.send(s.letter);
        }
        EXPECT_EQ(r.port.written().mid(before), QByteArray("Q") + s.letter);
        EXPECT_TRUE(!s.then || s.then());
    }
    r.send('I', Bytes({1}));
    r.send('M');
    EXPECT_TRUE(r.frame().flags.FlagRun);
    r.clock.advance(10000);
    r.send('M');
    EXPECT_FALSE(r.frame().flags.FlagRun);
    ASSERT_EQ(r.meter.sets().size(), 1);  // the logger was erased above
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
    EXPECT_TRUE(AttentionHandshake(r.port, r.clock, r.link));
    r.port.write("K");
    r.port.write("L");  // no second handshake: ignored
    r.clock.delay(0.05);
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
