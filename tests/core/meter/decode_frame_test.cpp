#include <gtest/gtest.h>

#include "core/meter/LiveFrame.h"
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

}  // namespace

TEST(LiveFrameCheck, needsBothStartBytes) {
    EXPECT_FALSE(IsLiveFrameValid(FrameBuilder().set(1, 0xFE).bytes()));
    EXPECT_FALSE(IsLiveFrameValid(FrameBuilder().set(2, 0xAB).bytes()));
}

TEST(Temperatures, rawValuesAreHundredthsAbove5100) {
    LiveState st = Decode(FrameBuilder().globeRaw(0x13EC).dryRaw(0).wetRaw(0x13EC + 2512));
    EXPECT_EQ(st.reading.GlobeText, "0.0");
    EXPECT_EQ(st.reading.DryTextF, kInvalid);
    EXPECT_NEAR(st.reading.WetC, 25.12, 1e-9);
    EXPECT_EQ(st.reading.WetTextF, "77.2");
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
        EXPECT_EQ(r.GlobeText != kInvalid, ok);
        EXPECT_EQ(r.DryText != kInvalid, ok);
        EXPECT_EQ(r.WetText != kInvalid, ok);
    }
}

TEST(DerivedValues, roomConditionsGiveTheTextbookIndices) {
    const Reading r = Decode(FrameBuilder().globe(30).dry(25).wet(20)).reading;
    EXPECT_EQ(r.RHText, "63.2");
    EXPECT_EQ(r.DewText, "17.5");
    EXPECT_EQ(r.HeatIndexTextF, "78.7");
    EXPECT_EQ(r.HumidexText, "30.6");
    EXPECT_EQ(r.WbgtIndoorText, "23.0");   // 0.7 × 20 + 0.3 × 30
    EXPECT_EQ(r.WbgtOutdoorText, "22.5");  // 0.7 × 20 + 0.2 × 30 + 0.1 × 25
}

TEST(DerivedValues, heatIndexAndHumidexNeedUnsaturatedWarmAir) {
    for (double wet : {25.0, 26.0}) {  // wet at or above dry: saturated
        const Reading r = Decode(FrameBuilder().dry(25).wet(wet)).reading;
        EXPECT_EQ(r.RHText, "99.9");
        EXPECT_EQ(r.HeatIndexText, kInvalid);
        EXPECT_EQ(r.HumidexText, kInvalid);
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
    EXPECT_EQ(r.RHText, kInvalid);
    EXPECT_EQ(r.WbgtIndoorText, kInvalid);
    r = Decode(FrameBuilder().globe(130).dry(25).wet(20)).reading;
    EXPECT_EQ(r.WbgtIndoorText, kInvalid);
    EXPECT_EQ(r.WbgtOutdoorText, kInvalid);
    EXPECT_EQ(r.RHText, "63.2");
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
    EXPECT_EQ(r.HeatIndexText, kInvalid);
    EXPECT_DOUBLE_EQ(r.HeatIndexF, first.HeatIndexF);
    EXPECT_DOUBLE_EQ(r.HumidexC, first.HumidexC);
    EXPECT_EQ(r.WbgtIndoorText, "23.6");
    // A frame with no probe gain leaves the air-speed number alone and blanks its texts.
    st = Decode(FrameBuilder().offsets(300, 0, 0), st);
    const double speed = st.reading.AirSpeed;
    st = Decode(FrameBuilder().probe(1000, 0, 1200), st);
    EXPECT_DOUBLE_EQ(st.reading.AirSpeed, speed);
    EXPECT_EQ(st.reading.AirSpeedText, kInvalid);
}
