// The clock, sampling and power-off exchanges byte for byte against the simulated meter.
#include <gtest/gtest.h>

#include <QTimeZone>

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
    Rig offline;
    offline.link.MeterOnline = false;
    offline.markNow();
    EXPECT_FALSE(
        SetMeterClock(offline.port, offline.clock, offline.link, QDateTime::currentDateTime()));
    EXPECT_TRUE(offline.sent().isEmpty());

    Rig silent;
    silent.meter.faults().silentAfterMs = 0;
    silent.markNow();
    const qint64 t0 = silent.clock.nowMs();
    EXPECT_FALSE(
        SetMeterClock(silent.port, silent.clock, silent.link, QDateTime::currentDateTime()));
    EXPECT_EQ(silent.sent().count('F'), 0);
    EXPECT_TRUE(ReadMeterClock(silent.port, silent.clock, silent.link).isEmpty());
    EXPECT_LT(silent.clock.nowMs() - t0, 25000);  // two exchanges of about 10 s each
}

TEST(SettingsAnswer, roundedHalfToEvenAndClampedToTheRange) {
    const struct {
        const char* name;
        const char* text;
        int max;
        RangedAnswer::Kind kind;
        int value;
    } rows[] = {
        {"secondsZero", "0", 59, RangedAnswer::Value, 1},
        {"powerOffAboveRange", "70000", 65535, RangedAnswer::Value, 65535},
        {"negative", "-5", 59, RangedAnswer::Value, 1},
        {"halfDown", "2.5", 59, RangedAnswer::Value, 2},
        {"halfUp", "3.5", 59, RangedAnswer::Value, 4},
        {"huge", "1e300", 60, RangedAnswer::Value, 60},
        {"empty", "", 60, RangedAnswer::Abandon, 0},
        {"text", "dez", 60, RangedAnswer::AskAgain, 0},
        {"infinity", "inf", 60, RangedAnswer::AskAgain, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const RangedAnswer a = ParseRangedAnswer(QString::fromLatin1(row.text), row.max);
        EXPECT_EQ(a.kind, row.kind);
        if (a.kind == RangedAnswer::Value) {
            EXPECT_EQ(a.value, row.value);
        }
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
    EXPECT_TRUE(r.sent().endsWith(Bytes({'H', 60})));
    EXPECT_EQ(r.meter.samplingMinutes(), 60);
    r.markNow();
    EXPECT_EQ(SetSampling(r.port, r.clock, r.link, false, 0), 1);
    EXPECT_TRUE(r.sent().endsWith(Bytes({'I', 1})));
    EXPECT_EQ(r.meter.samplingSeconds(), 1);
}

TEST(MeterSampling, replyCutAfterTheMinutesIsAskedAgainNotReadAsZeroSeconds) {
    test::FakePort port;
    port.qDefault = "J";
    int asked = 0;
    port.answer = [&](const QByteArray& b) {
        if (b != "J") return QByteArray();
        return ++asked == 1 ? QByteArray(1, '\0') : QByteArray("\x00\x02", 2);
    };
    Rig r;
    const auto s = ReadSampling(port, r.clock, r.link);
    ASSERT_TRUE(s);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(s->seconds, 2);
}

TEST(MeterPowerOff, setsHighThenLowByteAfterAAndCancelSendsE) {
    Rig r;
    EXPECT_EQ(ReadPowerOff(r.port, r.clock, r.link), 1200);
    r.markNow();
    SetPowerOff(r.port, r.clock, r.link, 70000);
    EXPECT_TRUE(r.sent().endsWith(Bytes({'A', 0xFF, 0xFF})));
    r.markNow();
    SetPowerOff(r.port, r.clock, r.link, 300);
    EXPECT_TRUE(r.sent().endsWith(Bytes({0x41, 0x01, 0x2C})));
    r.markNow();
    KeepPowerOff(r.port, r.clock, r.link);
    EXPECT_EQ(r.sent().count('E'), 1);
    EXPECT_EQ(ReadPowerOff(r.port, r.clock, r.link), 300);
}
