#include <gtest/gtest.h>

#include <QTimeZone>
#include <memory>

#include "core/memory/Keypad.h"
#include "core/memory/MeterSettings.h"
#include "support/CountingReader.h"
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
    test::CountingReader live{link};
    Rig() {
        online();
        meterLink.setLive(&live);
    }
    ~Rig() { meterLink.setLive(nullptr); }
    KeyOutcome press(MeterKey k) {
        const KeyOutcome o = KeyAllowed(state, k);
        if (o != KeyOutcome::Sent) return o;
        PressKey ex(link, k);
        EXPECT_TRUE(run(ex));
        return o;
    }
    template <class Ex, class... Args>
    std::unique_ptr<Ex> done(Args&&... args) {
        auto ex = std::make_unique<Ex>(link, std::forward<Args>(args)...);
        EXPECT_TRUE(run(*ex));
        return ex;
    }
};

// A meter scripted byte by byte on a link of its own.
struct FakeLink {
    VirtualClock clock;
    test::FakePort port{&clock};
    LinkState link;
    MeterLink meterLink{port, clock, link};
    FakeLink() {
        link.MeterOnline = true;
        port.qDefault = "J";
    }
    template <class Ex, class... Args>
    std::unique_ptr<Ex> done(Args&&... args) {
        auto ex = std::make_unique<Ex>(link, std::forward<Args>(args)...);
        EXPECT_TRUE(meterLink.run(*ex));
        EXPECT_TRUE(clock.advanceUntil([&] { return ex->finished(); }, 600000));
        return ex;
    }
};

}  // namespace

TEST(MeterClock, setSendsFThenTheComputerTimeAsSixNumbers) {
    Rig r;
    const QDateTime t(QDate(2026, 3, 4), QTime(9, 5, 7), QTimeZone::utc());
    r.markNow();
    ASSERT_TRUE(r.done<SetMeterClock>(t)->sent());
    EXPECT_TRUE(r.sent().endsWith(Bytes({'F', 26, 3, 4, 9, 5, 7}))) << r.sent().toHex().data();
    EXPECT_TRUE(MeterClockText(r.done<ReadMeterClock>()->clock()).startsWith("26/03/04 09:05"));
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
        EXPECT_FALSE(r.done<SetMeterClock>(QDateTime::currentDateTime())->sent());
        EXPECT_EQ(r.sent().count('F'), 0);
        EXPECT_TRUE(offline || r.done<ReadMeterClock>()->clock().isEmpty());
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
    const auto s = r.done<ReadSampling>()->setting();
    ASSERT_TRUE(s);
    EXPECT_FALSE(s->byMinutes());  // byte 1 = 0: by seconds
    EXPECT_EQ(s->seconds, 2);
    r.markNow();
    EXPECT_EQ(r.done<SetSampling>(true, 75)->sent(), 60);
    EXPECT_EQ(r.meter.samplingMinutes(), 60);
    r.markNow();
    EXPECT_EQ(r.done<SetSampling>(false, 0)->sent(), 1);
    EXPECT_TRUE(r.sent().endsWith(Bytes({'I', 1})));
    EXPECT_EQ(r.meter.samplingSeconds(), 1);
}

TEST(MeterSampling, oneByteReplyIsAReplyAndLeavesTheSecondsUnknown) {
    // "J" answered with nothing, then with the minutes byte alone (0: by seconds, or 5).
    for (char minutes : {'\0', '\5'}) {
        FakeLink r;
        int asked = 0;
        r.port.answer = [&](const QByteArray& b) {
            if (b != "J") return QByteArray();
            return ++asked == 1 ? QByteArray() : QByteArray(1, minutes);
        };
        const auto s = r.done<ReadSampling>()->setting();
        ASSERT_TRUE(s);
        EXPECT_EQ(asked, 2);
        EXPECT_EQ(s->minutes, int(minutes));
        EXPECT_FALSE(s->seconds);
    }
}

TEST(MeterPowerOff, replyCutToOneByteIsReadOnceAndLeftUnknown) {
    FakeLink r;
    r.port.answer = [](const QByteArray& b) {
        return b == "B" ? QByteArray(1, '\4') : QByteArray();
    };
    EXPECT_EQ(r.done<ReadPowerOff>()->seconds(), kPowerOffUnknown);
    EXPECT_EQ(r.port.written, "QB");
}

TEST(MeterSettings, settingWhosePortFailsOrClosesAfterItsLetterIsNotReportedAsSent) {
    // The adapter goes away, or the port is closed, as the letter leaves.
    const std::pair<const char*, bool (*)(FakeLink&)> settings[] = {
        {"clock F",
         [](FakeLink& r) { return r.done<SetMeterClock>(QDateTime::currentDateTime())->sent(); }},
        {"minutes H", [](FakeLink& r) { return r.done<SetSampling>(true, 5)->sent().has_value(); }},
        {"seconds I",
         [](FakeLink& r) { return r.done<SetSampling>(false, 5)->sent().has_value(); }},
        {"power-off A", [](FakeLink& r) { return r.done<SetPowerOff>(300)->sent(); }},
    };
    for (const auto& [name, set] : settings) {
        for (bool closes : {false, true}) {
            SCOPED_TRACE(std::string(name) + (closes ? ", closed" : ", failed"));
            FakeLink r;
            test::FakePort& port = r.port;
            port.answer = [&](const QByteArray& b) {
                if (b.size() == 1 && QByteArray("FHIA").contains(b[0])) {
                    if (closes)
                        port.closeNow();
                    else
                        port.failedFlag = true;
                }
                return QByteArray();
            };
            EXPECT_FALSE(set(r));
        }
    }
    Rig r;
    EXPECT_TRUE(r.done<SetMeterClock>(QDateTime::currentDateTime())->sent());
    EXPECT_TRUE(r.done<SetPowerOff>(300)->sent());
}

TEST(MeterPowerOff, setsHighThenLowByteAfterAAndCancelSendsE) {
    Rig r;
    EXPECT_EQ(r.done<ReadPowerOff>()->seconds(), 1200);
    for (auto [minutes, sent] :
         {std::pair{70000, Bytes({'A', 0xFF, 0xFF})}, std::pair{300, Bytes({'A', 0x01, 0x2C})}}) {
        r.markNow();
        r.done<SetPowerOff>(minutes);
        EXPECT_TRUE(r.sent().endsWith(sent)) << minutes;
    }
    r.markNow();
    r.done<KeepPowerOff>();
    EXPECT_EQ(r.sent().count('E'), 1);
    EXPECT_EQ(r.done<ReadPowerOff>()->seconds(), 300);
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
    EXPECT_EQ(r.live.starts, 1 + 4);  // the live reader starts again after each key
    EXPECT_FALSE(r.state.link.KeypadBusy);
}

TEST(Keypad, letterIsCaseSensitiveAndAClickWhileBusyIsIgnored) {
    Rig r;
    EXPECT_EQ(r.press(MeterKey::Escape), KeyOutcome::Sent);
    EXPECT_EQ(r.press(MeterKey::MaxMin), KeyOutcome::Sent);
    EXPECT_EQ(r.meter.commandLog(), "oO");

    // A click that arrives while the handshake runs.
    PressKey hold(r.link, MeterKey::Hold), mode(r.link, MeterKey::Mode);
    ASSERT_TRUE(r.meterLink.run(hold));
    EXPECT_EQ(KeyAllowed(r.state, MeterKey::Mode), KeyOutcome::RefusedBusy);
    EXPECT_FALSE(r.meterLink.run(mode));
    r.clock.advanceUntil([&] { return hold.finished(); }, 20000);
    EXPECT_EQ(r.meter.commandLog(), "oOL");
}

TEST(Keypad, pollRunsAgainWhenTheExchangeFails) {
    Rig r;
    r.port.setAvailable(false);  // the adapter was pulled out
    r.press(MeterKey::Up);
    EXPECT_EQ(r.live.starts, 2);
    EXPECT_TRUE(r.meterLink.liveRunning());
    EXPECT_FALSE(r.state.link.KeypadBusy);
}
