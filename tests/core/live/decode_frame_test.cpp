// Decoding live frames into the reading and the status flags.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/live/LiveFrame.h"
#include "support/FrameBuilder.h"

using namespace montira;
using montira::test::FrameBuilder;

namespace {

const QString kInvalid = QStringLiteral("- - -");

LiveState Decode(const FrameBuilder& fb) {
    LiveState st;
    EXPECT_TRUE(IsLiveFrameValid(fb.bytes()));
    DecodeLiveFrame(ToLiveFrame(fb.bytes()), st);
    return st;
}

}  // namespace

TEST(LiveFrameCheck, needsStartBytesEndByteAndFortySevenBytes) {
    EXPECT_TRUE(IsLiveFrameValid(FrameBuilder().bytes()));
    EXPECT_FALSE(IsLiveFrameValid(FrameBuilder().end(4).bytes()));
    EXPECT_FALSE(IsLiveFrameValid(FrameBuilder().set(1, 0xFE).bytes()));
    EXPECT_FALSE(IsLiveFrameValid(FrameBuilder().set(2, 0xAB).bytes()));
    EXPECT_FALSE(IsLiveFrameValid(FrameBuilder().bytes().left(46)));
    EXPECT_FALSE(IsLiveFrameValid(QByteArray()));
}

TEST(Temperatures, rawValuesAreHundredthsAbove5100) {
    LiveState st = Decode(FrameBuilder().globeRaw(0x13EC).dryRaw(0).wetRaw(0x13EC + 2512));
    EXPECT_DOUBLE_EQ(st.reading.GlobeC, 0.0);
    EXPECT_EQ(st.reading.GlobeText, "0.0");
    EXPECT_EQ(st.reading.GlobeTextF, "32.0");
    EXPECT_DOUBLE_EQ(st.reading.DryC, -51.0);
    EXPECT_EQ(st.reading.DryText, kInvalid);
    EXPECT_EQ(st.reading.DryTextF, kInvalid);
    EXPECT_NEAR(st.reading.WetC, 25.12, 1e-9);
    EXPECT_NEAR(st.reading.WetF, 77.216, 1e-9);
    EXPECT_EQ(st.reading.WetTextF, "77.2");
}

TEST(Temperatures, rangesIncludeTheirLimits) {
    struct Case {
        int globeRaw, dryRaw, wetRaw;
        bool globeOk, dryOk, wetOk;
    };
    const Case cases[] = {
        {5100 + 12990, 5100 + 9990, 5100 + 9990, true, true, true},       // 129.9, 99.9, 99.9
        {5100 + 13000, 5100 + 10000, 5100 + 10000, false, false, false},  // 130.0, 100.0
        {5100 - 500, 5100 - 500, 5100 - 500, true, true, true},           // -5.00
        {5100 - 501, 5100 - 501, 5100 - 501, false, false, false},        // -5.01
    };
    for (const Case& c : cases) {
        const Reading r =
            Decode(FrameBuilder().globeRaw(c.globeRaw).dryRaw(c.dryRaw).wetRaw(c.wetRaw)).reading;
        EXPECT_EQ(r.GlobeText != kInvalid, c.globeOk) << r.GlobeText.toStdString();
        EXPECT_EQ(r.DryText != kInvalid, c.dryOk) << r.DryText.toStdString();
        EXPECT_EQ(r.WetText != kInvalid, c.wetOk) << r.WetText.toStdString();
        EXPECT_EQ(r.GlobeTextF != kInvalid, c.globeOk);
    }
}

TEST(DerivedValues, roomConditionsGiveTheTextbookIndices) {
    // Dry 25, wet 20, globe 30 °C.
    const Reading r = Decode(FrameBuilder().globe(30).dry(25).wet(20)).reading;
    EXPECT_NEAR(r.RH, 63.2163, 1e-3);
    EXPECT_EQ(r.RHText, "63.2");
    EXPECT_NEAR(r.DewC, 17.5621, 1e-3);
    EXPECT_EQ(r.DewText, "17.5");
    EXPECT_NEAR(r.DewF, 17.5621 * 1.8 + 32, 2e-3);
    EXPECT_NEAR(r.HeatIndexF, 78.7976, 1e-3);
    EXPECT_EQ(r.HeatIndexText, "25.9");
    EXPECT_EQ(r.HeatIndexTextF, "78.7");
    EXPECT_NEAR(r.HumidexC, 30.6855, 1e-3);
    EXPECT_EQ(r.HumidexText, "30.6");
    EXPECT_EQ(r.WbgtIndoorText, "23.0");  // 0.7 × 20 + 0.3 × 30
    EXPECT_EQ(r.WbgtIndoorTextF, "73.4");
    EXPECT_EQ(r.WbgtOutdoorText, "22.5");  // 0.7 × 20 + 0.2 × 30 + 0.1 × 25
    EXPECT_EQ(r.WbgtOutdoorTextF, "72.5");
}

TEST(DerivedValues, wetAtOrAboveDryMeansSaturatedAndNoHeatIndexOrHumidex) {
    for (double wet : {25.0, 26.0}) {
        const Reading r = Decode(FrameBuilder().dry(25).wet(wet)).reading;
        EXPECT_DOUBLE_EQ(r.RH, 99.9);
        EXPECT_EQ(r.RHText, "99.9");
        EXPECT_EQ(r.HeatIndexText, kInvalid);
        EXPECT_EQ(r.HeatIndexTextF, kInvalid);
        EXPECT_EQ(r.HumidexText, kInvalid);
        EXPECT_NE(r.DewText, kInvalid);  // the live dew point always holds a number
    }
}

TEST(DerivedValues, heatIndexNeedsADryBulbAbove21) {
    EXPECT_EQ(Decode(FrameBuilder().dry(21.0).wet(15)).reading.HeatIndexText, kInvalid);
    const Reading r = Decode(FrameBuilder().dry(21.1).wet(15)).reading;
    EXPECT_NEAR(r.RH, 51.79, 0.01);
    EXPECT_EQ(r.HeatIndexText, "24.9");
    EXPECT_EQ(r.HeatIndexTextF, "76.8");
    EXPECT_EQ(Decode(FrameBuilder().dry(49.0).wet(40)).reading.HeatIndexText, kInvalid);
}

TEST(DerivedValues, heatIndexNeedsHumidityAbove30) {
    const Reading dryAir = Decode(FrameBuilder().dry(35).wet(18)).reading;
    ASSERT_LE(dryAir.RH, 30);
    EXPECT_EQ(dryAir.HeatIndexText, kInvalid);
    EXPECT_NE(dryAir.HumidexText, kInvalid);
}

TEST(DerivedValues, invalidTemperaturesBlankWhatDependsOnThem) {
    // Wet bulb out of range: no humidity, heat index, humidex or WBGT.
    Reading r = Decode(FrameBuilder().dry(25).wetRaw(0).globe(30)).reading;
    EXPECT_EQ(r.RHText, kInvalid);
    EXPECT_EQ(r.HeatIndexText, kInvalid);
    EXPECT_EQ(r.HumidexText, kInvalid);
    EXPECT_EQ(r.WbgtIndoorText, kInvalid);
    EXPECT_EQ(r.WbgtOutdoorTextF, kInvalid);
    // Dry bulb out of range: the indoor WBGT stays, the outdoor one goes.
    r = Decode(FrameBuilder().dry(100).wet(20).globe(30)).reading;
    EXPECT_EQ(r.WbgtIndoorText, "23.0");
    EXPECT_EQ(r.WbgtOutdoorText, kInvalid);
    EXPECT_EQ(r.WbgtOutdoorTextF, kInvalid);
    EXPECT_EQ(r.HumidexText, kInvalid);
    // Globe out of range: no WBGT at all.
    r = Decode(FrameBuilder().globe(130).dry(25).wet(20)).reading;
    EXPECT_EQ(r.WbgtIndoorText, kInvalid);
    EXPECT_EQ(r.WbgtOutdoorText, kInvalid);
    EXPECT_EQ(r.RHText, "63.2");
}

TEST(StatusFlags, byteAGivesOneFlagPerBit) {
    const bool StatusFlags::*flags[8] = {&StatusFlags::FlagHold,     &StatusFlags::FlagBattery,
                                         &StatusFlags::FlagAuto,     &StatusFlags::FlagMemoryFull,
                                         &StatusFlags::FlagM,        &StatusFlags::FlagR,
                                         &StatusFlags::FlagImperial, &StatusFlags::FlagFull};
    for (int bit = 0; bit < 8; ++bit) {
        const StatusFlags f = Decode(FrameBuilder().status(1 << bit, 1, 0)).flags;
        for (int k = 0; k < 8; ++k) EXPECT_EQ(f.*flags[k], k == bit) << bit << " " << k;
    }
}

TEST(StatusFlags, byteBWithNoChannelBitMeansAirSpeed) {
    StatusFlags f = Decode(FrameBuilder().status(0, 0, 0)).flags;
    EXPECT_TRUE(f.FlagWind);
    EXPECT_FALSE(f.FlagDry || f.FlagGlobe || f.FlagWbgt || f.FlagLower || f.FlagUpper ||
                 f.FlagRun || f.FlagUpperBlank || f.FlagLowerBlank);
    f = Decode(FrameBuilder().status(0, 32, 0)).flags;
    EXPECT_TRUE(f.FlagWind);
    EXPECT_TRUE(f.FlagRun);
    f = Decode(FrameBuilder().status(0, 0xFF, 0)).flags;
    EXPECT_FALSE(f.FlagWind);
    EXPECT_TRUE(f.FlagDry && f.FlagGlobe && f.FlagWbgt && f.FlagLower && f.FlagUpper && f.FlagRun &&
                f.FlagUpperBlank && f.FlagLowerBlank);
    f = Decode(FrameBuilder().status(0, 0x40 | 0x80, 0)).flags;
    EXPECT_TRUE(f.FlagWind);  // only bits 0-4 count
    f = Decode(FrameBuilder().status(0, 4, 0)).flags;
    EXPECT_TRUE(f.FlagWbgt);
    EXPECT_FALSE(f.FlagWind);
}

TEST(StatusFlags, byteCSkipsBitOne) {
    StatusFlags f = Decode(FrameBuilder().status(0, 1, 0x02)).flags;
    EXPECT_FALSE(f.FlagDate || f.FlagC2 || f.FlagPowerOff || f.FlagMax || f.FlagMin ||
                 f.FlagUpperNeg || f.FlagLowerNeg);
    f = Decode(FrameBuilder().status(0, 1, 0xFD)).flags;
    EXPECT_TRUE(f.FlagDate && f.FlagC2 && f.FlagPowerOff && f.FlagMax && f.FlagMin &&
                f.FlagUpperNeg && f.FlagLowerNeg);
    f = Decode(FrameBuilder().status(0, 1, 0x10)).flags;
    EXPECT_TRUE(f.FlagMax);
    EXPECT_FALSE(f.FlagMin || f.FlagPowerOff);
}

TEST(StatusFlags, maxMinSelectionSetsExactlyOneOfSix) {
    const bool StatusFlags::*sel[6] = {&StatusFlags::FlagGlobeMax, &StatusFlags::FlagGlobeMin,
                                       &StatusFlags::FlagDryMax,   &StatusFlags::FlagDryMin,
                                       &StatusFlags::FlagWetMax,   &StatusFlags::FlagWetMin};
    LiveState st;
    for (int v : {0, 1, 2, 3, 4, 5, 6, 255, 3}) {
        DecodeLiveFrame(ToLiveFrame(FrameBuilder().maxMin(v).bytes()), st);
        EXPECT_EQ(st.flags.MaxMinSelection, v);
        for (int k = 0; k < 6; ++k) EXPECT_EQ(st.flags.*sel[k], k == v) << v << " " << k;
    }
}

TEST(DisplayFields, carryTheMetersOwnDisplay) {
    const LiveState st = Decode(
        FrameBuilder().word(12, 2534).word(14, 65535).set(16, 7).set(17, 5).set(18, 4).set(19, 23));
    EXPECT_NEAR(st.display.Upper, 25.34, 1e-9);
    EXPECT_NEAR(st.display.Lower, 655.35, 1e-9);
    EXPECT_EQ(st.display.Number, 7);
    EXPECT_EQ(st.display.Seconds, 5);
    EXPECT_EQ(st.display.Minutes, 4);
    EXPECT_EQ(st.display.Hours, 23);
}

TEST(FrameSequence, valuesWithoutARuleThisTimeKeepTheirOldNumbers) {
    LiveState st;
    DecodeLiveFrame(ToLiveFrame(FrameBuilder().globe(30).dry(25).wet(20).bytes()), st);
    const Reading first = st.reading;
    const ProbeCalibration cal = st.calibration;
    // Dry bulb out of range: heat index, humidex and the outdoor WBGT lose their texts and
    // keep their numbers; the globe and indoor WBGT move on.
    DecodeLiveFrame(ToLiveFrame(FrameBuilder().globe(32).dryRaw(0).wet(20).bytes()), st);
    const Reading& r = st.reading;
    EXPECT_EQ(r.HeatIndexText, kInvalid);
    EXPECT_DOUBLE_EQ(r.HeatIndexC, first.HeatIndexC);
    EXPECT_DOUBLE_EQ(r.HeatIndexF, first.HeatIndexF);
    EXPECT_EQ(r.HumidexText, kInvalid);
    EXPECT_DOUBLE_EQ(r.HumidexC, first.HumidexC);
    EXPECT_EQ(r.WbgtOutdoorText, kInvalid);
    EXPECT_DOUBLE_EQ(r.WbgtOutdoorC, first.WbgtOutdoorC);
    EXPECT_EQ(r.GlobeText, "32.0");
    EXPECT_EQ(r.WbgtIndoorText, "23.6");
    EXPECT_EQ(r.RHText, kInvalid);
    // The calibration of the last frame is kept whole.
    EXPECT_EQ(st.calibration.P2, cal.P2);
    EXPECT_EQ(st.calibration.P25, cal.P25);
    // A frame with no probe gain leaves the air-speed number alone and blanks its texts.
    DecodeLiveFrame(ToLiveFrame(FrameBuilder().offsets(300, 0, 0).bytes()), st);
    const double speed = st.reading.AirSpeed;
    EXPECT_EQ(st.reading.AirSpeedText, "3.0");
    DecodeLiveFrame(ToLiveFrame(FrameBuilder().probe(1000, 0, 1200).bytes()), st);
    EXPECT_DOUBLE_EQ(st.reading.AirSpeed, speed);
    EXPECT_EQ(st.reading.AirSpeedText, kInvalid);
}

TEST(FrameSequence, anyFrameDecodesWithoutFaults) {
    // Random bytes between the start and end markers: every value stays defined (the
    // sanitizer build checks that no conversion overflows).
    std::mt19937 rng(7);
    LiveState st;
    for (int i = 0; i < 3000; ++i) {
        FrameBuilder fb;
        for (int n = 3; n <= 46; ++n) fb.set(n, int(rng() % 256));
        if (i % 3 == 0) fb.word(22, 0);
        DecodeLiveFrame(ToLiveFrame(fb.bytes()), st);
        const Reading& r = st.reading;
        EXPECT_TRUE(std::isfinite(r.AirSpeed) && std::isfinite(r.RH) && std::isfinite(r.DewC) &&
                    std::isfinite(r.HumidexC) && std::isfinite(r.HeatIndexC));
        EXPECT_FALSE(r.AirSpeedText.contains('e', Qt::CaseInsensitive));
        EXPECT_FALSE(r.DewText.contains('e', Qt::CaseInsensitive));
    }
}
