#include <gtest/gtest.h>

#include <QStringList>
#include <cmath>
#include <limits>

#include "core/meter/LiveFrame.h"
#include "core/meter/Numbers.h"
#include "support/FrameBuilder.h"

using namespace montira;
using montira::test::FrameBuilder;

namespace {

const QString kInvalid = QStringLiteral("- - -");

LiveState Decode(const FrameBuilder& fb, LiveState st = {}) {
    EXPECT_TRUE(IsLiveFrameValid(fb.bytes()));
    DecodeLiveFrame(ToLiveFrame(fb.bytes()), st);
    return st;
}

// The probe value M for a count, read back from the diagnostic label " X- S".
double ProbeValue(int count) {
    const LiveState st = Decode(FrameBuilder().count(count).calibration(0, 1, 2, 3, 4, 5, 6));
    return LeadingNumber(st.diagnostics.LblX.mid(4)) * 100;
}

// A count whose probe value is whole, so that a calibration point can sit exactly on it.
int ExactCount() {
    for (int count = 1050; count < 1400; ++count) {
        const double m = ProbeValue(count);
        if (m > 200 && m == std::round(m)) return count;
    }
    return 0;
}

}  // namespace

TEST(LiveFrameCheck, needsBothStartBytes) {
    EXPECT_FALSE(IsLiveFrameValid(FrameBuilder().set(1, 0xFE).bytes()));
    EXPECT_FALSE(IsLiveFrameValid(FrameBuilder().set(2, 0xAB).bytes()));
}

TEST(Temperatures, rawValuesAreHundredthsAbove5100) {
    LiveState st = Decode(FrameBuilder().globeRaw(0x13EC).dryRaw(0).wetRaw(0x13EC + 2512));
    const Reading& r = st.reading;
    EXPECT_EQ(QStringList({r.GlobeText, r.DryTextF, r.WetTextF}),
              QStringList({"0.0", kInvalid, "77.2"}));
    EXPECT_NEAR(r.WetC, 25.12, 1e-9);
}

TEST(Temperatures, rangesIncludeTheirLimits) {
    // 129.9 / 99.9 in, 130.0 / 100.0 out, -5.00 in, -5.01 out.
    const std::tuple<int, int, bool> cases[] = {{5100 + 12990, 5100 + 9990, true},
                                                {5100 + 13000, 5100 + 10000, false},
                                                {5100 - 500, 5100 - 500, true},
                                                {5100 - 501, 5100 - 501, false}};
    for (const auto& [globe, dry, ok] : cases) {
        SCOPED_TRACE(globe);
        const Reading r = Decode(FrameBuilder().globeRaw(globe).dryRaw(dry).wetRaw(dry)).reading;
        EXPECT_EQ(
            QList<bool>({r.GlobeText != kInvalid, r.DryText != kInvalid, r.WetText != kInvalid}),
            QList<bool>(3, ok));
    }
}

TEST(DerivedValues, roomConditionsGiveTheTextbookIndices) {
    const Reading r = Decode(FrameBuilder().globe(30).dry(25).wet(20)).reading;
    // WBGT indoors 0.7 × 20 + 0.3 × 30, outdoors 0.7 × 20 + 0.2 × 30 + 0.1 × 25.
    EXPECT_EQ(QStringList({r.RHText, r.DewText, r.HeatIndexTextF, r.HumidexText, r.WbgtIndoorText,
                           r.WbgtOutdoorText}),
              QStringList({"63.2", "17.5", "78.7", "30.6", "23.0", "22.5"}));
}

TEST(DerivedValues, heatIndexAndHumidexNeedUnsaturatedWarmAir) {
    for (double wet : {25.0, 26.0}) {  // wet at or above dry: saturated
        const Reading r = Decode(FrameBuilder().dry(25).wet(wet)).reading;
        EXPECT_EQ(QStringList({r.RHText, r.HeatIndexText, r.HumidexText}),
                  QStringList({"99.9", kInvalid, kInvalid}));
        EXPECT_NE(r.DewText, kInvalid);
    }
    // Dry bulb above 21 and below 49 °C, RH 30 % or more (35 / 18: under 30).
    for (auto [dry, wet, text] : {std::tuple{21.0, 15, kInvalid},
                                  {21.1, 15, QString("24.9")},
                                  {49.0, 40, kInvalid},
                                  {35.0, 18, kInvalid}})
        EXPECT_EQ(Decode(FrameBuilder().dry(dry).wet(wet)).reading.HeatIndexText, text) << dry;
    EXPECT_NE(Decode(FrameBuilder().dry(35).wet(18)).reading.HumidexText, kInvalid);
}

TEST(DerivedValues, invalidTemperaturesBlankWhatDependsOnThem) {
    Reading r = Decode(FrameBuilder().dry(25).wetRaw(0).globe(30)).reading;
    EXPECT_EQ(QStringList({r.RHText, r.WbgtIndoorText}), QStringList(2, kInvalid));
    r = Decode(FrameBuilder().globe(130).dry(25).wet(20)).reading;
    EXPECT_EQ(QStringList({r.WbgtIndoorText, r.WbgtOutdoorText, r.RHText}),
              QStringList({kInvalid, kInvalid, "63.2"}));
}

TEST(StatusFlags, eachBitSetsItsFlag) {
    const bool StatusFlags::*a[8] = {&StatusFlags::FlagHold,     &StatusFlags::FlagBattery,
                                     &StatusFlags::FlagAuto,     &StatusFlags::FlagMemoryFull,
                                     &StatusFlags::FlagM,        &StatusFlags::FlagR,
                                     &StatusFlags::FlagImperial, &StatusFlags::FlagFull};
    for (int bit = 0; bit < 8; ++bit) {
        const StatusFlags f = Decode(FrameBuilder().status(1 << bit, 1, 0)).flags;
        for (int k = 0; k < 8; ++k) EXPECT_EQ(f.*a[k], k == bit) << bit << " " << k;
    }
    // Byte B: no channel bit (0-4) means air speed; bit 5 is the meter logging.
    for (int b : {0, 32, 0x40 | 0x80}) {
        const StatusFlags f = Decode(FrameBuilder().status(0, b, 0)).flags;
        EXPECT_TRUE(f.FlagWind) << b;
        EXPECT_EQ(f.FlagRun, b == 32) << b;
        EXPECT_FALSE(f.FlagDry || f.FlagGlobe || f.FlagWbgt || f.FlagLower || f.FlagUpper) << b;
    }
    // Byte C skips bit 1.
    StatusFlags f = Decode(FrameBuilder().status(0, 1, 0x02)).flags;
    EXPECT_FALSE(f.FlagDate || f.FlagC2 || f.FlagPowerOff || f.FlagMax || f.FlagMin ||
                 f.FlagUpperNeg || f.FlagLowerNeg);
}

TEST(StatusFlags, maxMinSelectionSetsExactlyOneOfSix) {
    const bool StatusFlags::*sel[6] = {&StatusFlags::FlagGlobeMax, &StatusFlags::FlagGlobeMin,
                                       &StatusFlags::FlagDryMax,   &StatusFlags::FlagDryMin,
                                       &StatusFlags::FlagWetMax,   &StatusFlags::FlagWetMin};
    LiveState st;
    for (int v : {0, 1, 5, 6, 255, 3}) {
        st = Decode(FrameBuilder().maxMin(v), st);
        for (int k = 0; k < 6; ++k) EXPECT_EQ(st.flags.*sel[k], k == v) << v << " " << k;
    }
}

TEST(FrameSequence, valuesWithoutARuleThisTimeKeepTheirOldNumbers) {
    const LiveState before = Decode(FrameBuilder().globe(30).dry(25).wet(20));
    const Reading& first = before.reading;
    LiveState st = Decode(FrameBuilder().globe(32).dryRaw(0).wet(20), before);
    const Reading& r = st.reading;
    EXPECT_EQ(QStringList({r.HeatIndexText, r.WbgtIndoorText}), QStringList({kInvalid, "23.6"}));
    EXPECT_EQ(std::pair(r.HeatIndexF, r.HumidexC), std::pair(first.HeatIndexF, first.HumidexC));
    // A frame with no probe gain leaves the air-speed number alone and blanks its texts.
    st = Decode(FrameBuilder().offsets(300, 0, 0), st);
    const double speed = st.reading.AirSpeed;
    st = Decode(FrameBuilder().probe(1000, 0, 1200), st);
    EXPECT_DOUBLE_EQ(st.reading.AirSpeed, speed);
    EXPECT_EQ(st.reading.AirSpeedText, kInvalid);
}

TEST(AirSpeed, calibrationTableInterpolatesAndAPointTakesTheLowerRow) {
    const int count = ExactCount();
    ASSERT_NE(count, 0);
    const int m = int(ProbeValue(count));
    const struct {
        int p0, p2, p5, p10, p15, p20, p25;
        double speed;
        const char *text, *ftMin;
    } cases[] = {
        // On P5: the 2-5 row; in ft/min the whole part of 5 × 60 × 1250 / 381.
        {0, m / 2, m, m * 2, m * 3, m * 4, m * 5, 5.0, "5.0", "984"},
        {0, 1, m - 100, m + 100, 9000, 9500, 9900, 7.5, "7.5", "1476"},  // halfway P5-P10
        {0, m * 3, 9000, 9100, 9200, 9300, 9400, 0.66, "0.6", "118"},    // whole hundredths
        {1, 2, 3, 4, 5, m - 20, m - 10, 30.0, "30.0", "5905"},           // above P25: extrapolated
        {1, 2, 3, 4, 5, m - 30, m - 20, 35.0, "- - -", "- - -"},         // over 30 m/s
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.speed);
        const Reading r = Decode(FrameBuilder().count(count).calibration(c.p0, c.p2, c.p5, c.p10,
                                                                         c.p15, c.p20, c.p25))
                              .reading;
        EXPECT_DOUBLE_EQ(r.AirSpeed, c.speed);
        EXPECT_EQ(QStringList({r.AirSpeedText, r.AirSpeedTextFtMin}),
                  QStringList({c.text, c.ftMin}));
    }
}

TEST(AirSpeed, zeroAndOffsetCorrectTheSpeedAndNegativeBecomesZero) {
    LiveState st = Decode(FrameBuilder().offsets(700, 200, 150));  // 0 − 1.5 + 5.0
    EXPECT_DOUBLE_EQ(st.reading.AirSpeed, 3.5);
    EXPECT_EQ(st.reading.AirSpeedTextFtMin, "688");
    st = Decode(FrameBuilder().offsets(0, 65535, 0));  // terms taken unsigned: −655.35
    EXPECT_DOUBLE_EQ(st.reading.AirSpeed, 0.0);
    EXPECT_EQ(st.reading.AirSpeedText, "0.0");
}

TEST(AirSpeed, undefinedSpeedBlanksOnlyTheSpeedAndWindChill) {
    const int count = 1100;
    const int m = int(ProbeValue(count));
    const FrameBuilder frames[] = {
        FrameBuilder().dry(0).wet(-1).offsets(3100, 0, 0),   // 31 m/s
        FrameBuilder().dry(2).wet(1).probe(1000, 0, count),  // zero gain
        FrameBuilder().dry(2).wet(1).count(count).calibration(1, 2, 3, 4, 5, m - 5, m - 5),
    };
    for (const FrameBuilder& fb : frames) {
        const Reading r = Decode(fb).reading;
        EXPECT_EQ(QStringList({r.AirSpeedTextFtMin, r.WindChillText}), QStringList(2, kInvalid));
        EXPECT_NE(r.WbgtIndoorText, kInvalid);
    }
}

TEST(WindChill, needsColdAirAndSomeWind) {
    const Reading r = Decode(FrameBuilder().dry(0).wet(-1).offsets(500, 0, 0)).reading;
    EXPECT_EQ(QStringList({r.WindChillText, r.WindChillTextF}), QStringList({"-4.9", "23.1"}));
    // Dry bulb -5.0 to 5.0 °C and at least 0.894 m/s.
    const std::tuple<double, int, bool> cases[] = {
        {5.01, 500, false}, {-5.01, 500, false}, {5.0, 500, true}, {0, 80, false}, {0, 90, true}};
    for (const auto& [dry, speed100, defined] : cases) {
        const Reading w =
            Decode(FrameBuilder().dry(dry).wet(dry - 1).offsets(speed100, 0, 0)).reading;
        EXPECT_EQ(w.WindChillTextF != kInvalid, defined) << dry << " " << speed100;
    }
}

TEST(StoredRecord, usesTheKeptCalibrationAndItsOwnZeroAndOffset) {
    const LiveState live = Decode(FrameBuilder().count(1020));
    const double liveSpeed = live.reading.AirSpeed;
    ASSERT_GT(liveSpeed, 1.0);
    Reading r;
    DecodeStoredRecord(r, live.calibration, FrameBuilder::raw(30), FrameBuilder::raw(25),
                       FrameBuilder::raw(20), 1020, 0.5, 1.0);
    EXPECT_DOUBLE_EQ(r.AirSpeed, liveSpeed - 0.5 + 1.0);

    // Before any live frame: no calibration, so no speed, and no crash.
    Reading none;
    DecodeStoredRecord(none, ProbeCalibration{}, FrameBuilder::raw(30), FrameBuilder::raw(25),
                       FrameBuilder::raw(20), 1100, 0, 0);
    EXPECT_EQ(QStringList({none.AirSpeedText, none.GlobeText}), QStringList({kInvalid, "30.0"}));
}

TEST(FormatOneDecimal, cutsAtFifteenDigitsWithoutExponentAndMarksNonFinite) {
    const std::pair<double, const char*> cases[] = {
        {7, "7.0"},
        {23.99, "23.9"},
        {-3.25, "-3.2"},
        {-0.0, "0.0"},
        {0.7 * (1542 * 0.01) + 0.3 * (2002 * 0.01), "16.8"},  // 16.799999999999997
        {23.499999999999996, "23.5"},
        {1e-16, "0.0"},
        {-1e-16, "-0.0"},
        {1e20, "100000000000000000000.0"},
        {123456789012345678.0, "123456789012346000.0"},
        {std::numeric_limits<double>::quiet_NaN(), "- - -"},
    };
    for (const auto& [x, text] : cases) EXPECT_EQ(FormatOneDecimal(x), text) << x;
    for (double x : {3e-7, 7e22, -4e-9})
        EXPECT_FALSE(FormatOneDecimal(x).contains('e', Qt::CaseInsensitive)) << x;
}

TEST(LeadingNumber, readsTheNumberAtTheStartOfTheTextElseZero) {
    const std::pair<const char*, double> cases[] = {
        {"  -3.2 °C", -3.2}, {"-.5", -0.5},  {"1E3", 1000.0}, {"7e", 7.0},
        {"1.2.3", 1.2},      {"23,4", 23.0}, {"- - -", 0.0},  {"1e999", 0.0}};
    for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(LeadingNumber(text), value) << text;
}

TEST(TruncAndWhole, cutTowardZeroAndNeverConvertWhatDoesNotFit) {
    EXPECT_DOUBLE_EQ(TruncTo(-3.256, 2), -3.25);
    EXPECT_DOUBLE_EQ(TruncTo(-4.93, 1), -4.9);
    EXPECT_EQ(SafeWhole(-2.9), -2);
    for (double x : {std::numeric_limits<double>::quiet_NaN(), 1e300, -1e300})
        EXPECT_EQ(SafeWhole(x), 0) << x;
}
