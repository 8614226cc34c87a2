#include <gtest/gtest.h>

#include <QTimeZone>

#include "core/memory/Keypad.h"
#include "core/memory/MeterSettings.h"
#include "support/FakePort.h"
#include "support/SimRig.h"

using namespace montira;

namespace {

QByteArray Bytes(std::initializer_list<int> v) {
    QByteArray b;
    for (int x : v) b += char(uint8_t(x));
    return b;
}

struct Rig : test::SimRig {
    Rig() { online(); }
    KeyOutcome press(MeterKey k) { return PressKey(port, clock, state, k, pause); }
};

}  // namespace

TEST(MeterClock, setSendsFThenTheComputerTimeAsSixNumbers) {
    Rig r;
    const QDateTime t(QDate(2026, 3, 4), QTime(9, 5, 7), QTimeZone::utc());
    r.markNow();
    ASSERT_TRUE(SetMeterClock(r.port, r.clock, r.link, t));
    EXPECT_TRUE(r.sent().endsWith(Bytes({'F', 26, 3, 4, 9, 5, 7}))) << r.sent().toHex().data();
    EXPECT_TRUE(
        MeterClockText(ReadMeterClock(r.port, r.clock, r.link)).startsWith("26/03/04 09:05"));
}

TEST(MeterClock, fieldsAreTheLastTwoDigitsOfEachByte) {
    EXPECT_EQ(MeterClockText(Bytes({5, 123, 0, 23, 59, 9, 77})), "05/23/00 23:59:09");
    EXPECT_EQ(MeterClockText(Bytes({5, 1, 1, 1, 1})), "");  // short reply
}

TEST(MeterClock, silentOrOfflineMeterIsSentNothing) {
    for (bool offline : {true, false}) {
        SCOPED_TRACE(offline);
        Rig r;
        r.link.MeterOnline = !offline;
        r.meter.faults().silentAfterMs = 0;
        r.markNow();
        const qint64 t0 = r.clock.nowMs();
        EXPECT_FALSE(SetMeterClock(r.port, r.clock, r.link, QDateTime::currentDateTime()));
        EXPECT_EQ(r.sent().count('F'), 0);
        EXPECT_TRUE(offline || ReadMeterClock(r.port, r.clock, r.link).isEmpty());
        EXPECT_TRUE(!offline || r.sent().isEmpty());
        EXPECT_LT(r.clock.nowMs() - t0, 25000);  // two exchanges of about 10 s each
    }
}

TEST(SettingsAnswer, roundedHalfToEvenAndClampedToTheRange) {
    using K = RangedAnswer::Kind;
    const std::tuple<const char*, int, K, int> rows[] = {
        {"0", 59, K::Value, 1},   {"70000", 65535, K::Value, 65535}, {"-5", 59, K::Value, 1},
        {"2.5", 59, K::Value, 2}, {"3.5", 59, K::Value, 4},          {"1e300", 60, K::Value, 60},
        {"", 60, K::Abandon, 0},  {"dez", 60, K::AskAgain, 0},       {"inf", 60, K::AskAgain, 0},
    };
    for (const auto& [text, max, kind, value] : rows) {
        SCOPED_TRACE(text);
        const RangedAnswer a = ParseRangedAnswer(QString::fromLatin1(text), max);
        EXPECT_EQ(a.kind, kind);
        EXPECT_TRUE(a.kind != K::Value || a.value == value) << a.value;
    }
}

TEST(MeterSampling, readsTheUnitAndSetsClampedBytes) {
    Rig r;
    const auto s = ReadSampling(r.port, r.clock, r.link);
    ASSERT_TRUE(s);
    EXPECT_FALSE(s->byMinutes());  // byte 1 = 0: by seconds
    EXPECT_EQ(s->seconds, 2);
    r.markNow();
    EXPECT_EQ(SetSampling(r.port, r.clock, r.link, true, 75), 60);
    EXPECT_EQ(r.meter.samplingMinutes(), 60);
    r.markNow();
    EXPECT_EQ(SetSampling(r.port, r.clock, r.link, false, 0), 1);
    EXPECT_TRUE(r.sent().endsWith(Bytes({'I', 1})));
    EXPECT_EQ(r.meter.samplingSeconds(), 1);
}

TEST(MeterSampling, oneByteReplyIsAReplyAndLeavesTheSecondsUnknown) {
    // "J" answered with nothing, then with the minutes byte alone (0: by seconds, or 5).
    for (char minutes : {'\0', '\5'}) {
        test::FakePort port;
        port.qDefault = "J";
        int asked = 0;
        port.answer = [&](const QByteArray& b) {
            if (b != "J") return QByteArray();
            return ++asked == 1 ? QByteArray() : QByteArray(1, minutes);
        };
        Rig r;
        const auto s = ReadSampling(port, r.clock, r.link);
        ASSERT_TRUE(s);
        EXPECT_EQ(asked, 2);
        EXPECT_EQ(s->minutes, int(minutes));
        EXPECT_FALSE(s->seconds);
    }
}

TEST(MeterPowerOff, replyCutToOneByteIsReadOnceAndLeftUnknown) {
    test::FakePort port;
    port.qDefault = "J";
    port.answer = [](const QByteArray& b) { return b == "B" ? QByteArray(1, '\4') : QByteArray(); };
    Rig r;
    EXPECT_EQ(ReadPowerOff(port, r.clock, r.link), kPowerOffUnknown);
    EXPECT_EQ(port.written, "QB");
}

TEST(MeterSettings, settingWhosePortFailsOrClosesAfterItsLetterIsNotReportedAsSent) {
    // The adapter goes away, or the port is closed, as the letter leaves.
    enum Which { ClockF, MinutesH, SecondsI, PowerOffA };
    for (Which which : {ClockF, MinutesH, SecondsI, PowerOffA}) {
        for (bool closes : {false, true}) {
            SCOPED_TRACE(int(which) * 10 + closes);
            Rig r;
            test::FakePort port;
            port.qDefault = "J";
            port.answer = [&](const QByteArray& b) {
                if (b.size() == 1 && QByteArray("FHIA").contains(b[0])) {
                    if (closes)
                        port.closeNow();
                    else
                        port.failedFlag = true;
                }
                return QByteArray();
            };
            bool sent = true;
            switch (which) {
                case ClockF:
                    sent = SetMeterClock(port, r.clock, r.link, QDateTime::currentDateTime());
                    break;
                case MinutesH:
                case SecondsI:
                    sent = SetSampling(port, r.clock, r.link, which == MinutesH, 5).has_value();
                    break;
                case PowerOffA:
                    sent = SetPowerOff(port, r.clock, r.link, 300);
                    break;
            }
            EXPECT_FALSE(sent);
        }
    }
    Rig r;
    EXPECT_TRUE(SetMeterClock(r.port, r.clock, r.link, QDateTime::currentDateTime()));
    EXPECT_TRUE(SetPowerOff(r.port, r.clock, r.link, 300));
}

TEST(MeterPowerOff, setsHighThenLowByteAfterAAndCancelSendsE) {
    Rig r;
    EXPECT_EQ(ReadPowerOff(r.port, r.clock, r.link), 1200);
    for (auto [minutes, sent] :
         {std::pair{70000, Bytes({'A', 0xFF, 0xFF})}, std::pair{300, Bytes({'A', 0x01, 0x2C})}}) {
        r.markNow();
        SetPowerOff(r.port, r.clock, r.link, minutes);
        EXPECT_TRUE(r.sent().endsWith(sent)) << minutes;
    }
    r.markNow();
    KeepPowerOff(r.port, r.clock, r.link);
    EXPECT_EQ(r.sent().count('E'), 1);
    EXPECT_EQ(ReadPowerOff(r.port, r.clock, r.link), 300);
}

TEST(Keypad, duringALoggingRunOnlyRunStopUpDownAndReadAreSent) {
    Rig r;
    r.state.live.flags.FlagRun = true;
    QByteArray expected;
    for (const KeyInfo& k : MeterKeys()) {
        SCOPED_TRACE(k.name);
        const bool allowed = k.key == MeterKey::RunStop || k.key == MeterKey::Up ||
                             k.key == MeterKey::Down || k.key == MeterKey::Read;
        EXPECT_EQ(r.press(k.key), allowed ? KeyOutcome::Sent : KeyOutcome::RefusedRun);
        if (allowed) expected += k.letter;
    }
    EXPECT_EQ(r.meter.commandLog(), expected);
    EXPECT_EQ(r.stops, 4);
    EXPECT_EQ(r.starts, 4);
    EXPECT_FALSE(r.state.link.KeypadBusy);
}

TEST(Keypad, letterIsCaseSensitiveAndAClickWhileBusyIsIgnored) {
    Rig r;
    EXPECT_EQ(r.press(MeterKey::Escape), KeyOutcome::Sent);
    EXPECT_EQ(r.press(MeterKey::MaxMin), KeyOutcome::Sent);
    EXPECT_EQ(r.meter.commandLog(), "oO");

    // A click that arrives while the handshake pumps events.
    std::optional<KeyOutcome> second;
    const int id = r.clock.addListener([&](qint64) {
        if (!second) second = PressKey(r.port, r.clock, r.state, MeterKey::Mode, {});
    });
    EXPECT_EQ(r.press(MeterKey::Hold), KeyOutcome::Sent);
    r.clock.removeListener(id);
    EXPECT_EQ(second, KeyOutcome::RefusedBusy);
    EXPECT_EQ(r.meter.commandLog(), "oOL");
}

TEST(Keypad, pollRunsAgainWhenTheExchangeFails) {
    Rig r;
    r.port.setAvailable(false);  // the adapter was pulled out
    r.press(MeterKey::Up);
    EXPECT_EQ(r.starts, 1);
    EXPECT_FALSE(r.state.link.KeypadBusy);
}
