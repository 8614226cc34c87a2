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

TEST(SimCommands, everyCommandByteForByteInOneSession) {
    Rig r;
    const uint8_t start[6] = {26, 3, 4, 9, 5, 7};
    r.meter.setClock(start);
    const QByteArray dump = r.meter.loggerDump();
    ASSERT_EQ(dump.size(), 16 + 12 * 8 + 16 + 40 * 8);
    const int used = 2048 + int(dump.size());
    const QByteArray none;  // a command without a reply (a null array: nothing is read)
    struct Step {
        char letter;
        QByteArray params, reply;
        std::function<bool()> then;
    } steps[] = {
        {'G', none, Bytes({26, 3, 4, 9, 5, 7}), {}},
        {'F', Bytes({27, 12, 31, 23, 59, 58}), none,
         [&] {
             return QByteArray(reinterpret_cast<const char*>(r.meter.clock()), 6) ==
                    Bytes({27, 12, 31, 23, 59, 58});
         }},
        {'J', none, Bytes({0, 2}), {}},
        {'H', Bytes({5}), none, {}},
        {'J', none, Bytes({5, 0}), {}},
        {'I', Bytes({30}), none, {}},
        {'J', none, Bytes({0, 30}), {}},
        {'H', Bytes({75}), none, {}},  // out of range: the meter keeps to its limits
        {'J', none, Bytes({60, 0}), {}},
        {'B', none, Bytes({0x04, 0xB0}), {}},  // 1200 s
        {'A', Bytes({0x01, 0x2C}), none, [&] { return r.meter.powerOffSeconds() == 300; }},
        {'E', none, none, {}},
        {'B', none, Bytes({0x01, 0x2C}), {}},
        {'K', none, none, [&] { return r.frame().flags.FlagImperial; }},
        {'K', none, none, [&] { return !r.frame().flags.FlagImperial; }},
        {'L', none, none, [&] { return r.frame().flags.FlagHold; }},
        {'L', none, none, [&] { return !r.frame().flags.FlagHold; }},
        {'N', none, none, [&] { return r.frame().flags.FlagGlobe; }},
        {'N', none, none, [&] { return r.frame().flags.FlagWbgt; }},
        {'N', none, none, [&] { return r.frame().flags.FlagWind; }},
        {'N', none, none, [&] { return r.frame().flags.FlagDry; }},
        {'O', none, none, [&] { return r.frame().flags.FlagGlobeMax; }},
        {'O', none, none, [&] { return r.frame().flags.FlagGlobeMin; }},
        {'P', none, none, [&] { return r.frame().flags.FlagDate; }},
        {'o', none, none,
         [&] {
             const auto f = r.frame().flags;
             return f.MaxMinSelection == 6 && !f.FlagDate && !f.FlagMax && !f.FlagMin;
         }},
        {'S', none, Bytes({'Y', 3}), {}},
        {'T', none, QByteArray(""), {}},  // 60 bytes, checked in the loop
        {'R', none, none, [&] { return r.frame().flags.FlagM; }},
        {'S', none, Bytes({'Y', 4}), {}},
        {'U', none, none, [&] { return r.frame().flags.FlagR && r.meter.recallIndex() == 4; }},
        {'W', none, none, [&] { return r.frame().display.Number == 3; }},
        {'V', none, none, [&] { return r.meter.recallIndex() == 4; }},
        {'V', none, none, [&] { return r.frame().display.Number == 1; }},  // wraps round
        {'o', none, none, [&] { return !r.frame().flags.FlagR; }},
        {'c', none, Bytes({2, 0, used >> 8, used & 0xFF, 0, 2, 3}), {}},
        {'C', none, dump, {}},
        {'D', none, none, {}},
        {'c', none, Bytes({2, 0, 0x08, 0x00, 0, 0, 3}), {}},
        {'C', none, QByteArray(""), {}},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(std::string(1, s.letter));
        const qsizetype before = r.port.written().size();
        if (!s.reply.isNull()) {
            const QByteArray reply = r.query(s.letter);
            if (s.letter == 'T') {
                ASSERT_EQ(reply.size(), 60);
                // Record 1: globe 32.00 °C, date 26/12/01 10:15:00, offset terms 5 and 5.
                EXPECT_EQ(reply.left(2), Bytes({(5100 + 3200) >> 8, (5100 + 3200) & 0xFF}));
                EXPECT_EQ(reply.mid(8, 12), Bytes({26, 12, 1, 10, 15, 0, 0, 5, 0, 5, 0, 0}));
            } else {
                EXPECT_EQ(reply, s.reply);
            }
        } else {
            r.send(s.letter, s.params);
        }
        EXPECT_EQ(r.port.written().mid(before), QByteArray("Q") + s.letter + s.params);
        EXPECT_TRUE(!s.then || s.then());
    }
    r.clock.advance(3000);  // the clock set above runs on, across the year
    EXPECT_EQ(r.query('G').left(3), Bytes({28, 1, 1}));
    r.send('I', Bytes({1}));
    r.send('M');
    EXPECT_TRUE(r.frame().flags.FlagRun);
    r.clock.advance(10000);
    r.send('M');
    EXPECT_FALSE(r.frame().flags.FlagRun);
    ASSERT_EQ(r.meter.sets().size(), 1);  // the logger was erased above
    EXPECT_GE(r.meter.sets().back().records.size(), 10);
    EXPECT_LE(r.meter.sets().back().records.size(), 13);
    EXPECT_EQ(r.query('c').at(5), 1);
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

TEST(SimLogger, fullAndEmptyLoggers) {
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
    r.meter.fillLogger(2048);
    EXPECT_EQ(r.query('c'), Bytes({2, 0, 0x08, 0x00, 0, 0, 3}));
}

TEST(SimStream, airSpeedReadsAboutWhatTheMeterMeasures) {
    for (double ms : {0.5, 1.6, 4.0, 12.0}) {
        Rig r;
        r.meter.setAirSpeed(ms);
        EXPECT_NEAR(r.frame().reading.AirSpeed, ms, 0.25) << ms;  // a probe count is coarse
    }
}
