// Air speed from the probe and its calibration, wind chill, and stored records.
#include <gtest/gtest.h>

#include <cmath>

#include "core/live/LiveFrame.h"
#include "core/live/Numbers.h"
#include "support/FrameBuilder.h"

using namespace montira;
using montira::test::FrameBuilder;

namespace {

const QString kInvalid = QStringLiteral("- - -");

LiveState Decode(const FrameBuilder& fb) {
    LiveState st;
    DecodeLiveFrame(ToLiveFrame(fb.bytes()), st);
    return st;
}

// The probe value M the meter's count gives, read back from the diagnostic label " X- S".
double ProbeValue(int count) {
    const LiveState st = Decode(FrameBuilder().count(count).calibration(0, 1, 2, 3, 4, 5, 6));
    return LeadingNumber(st.diagnostics.LblX.mid(4)) * 100;
}

// A probe count whose probe value is a whole number, so that it can sit exactly on a point.
int ExactCount() {
    for (int count = 1050; count < 1400; ++count) {
        const double m = ProbeValue(count);
        if (m > 200 && m == std::round(m)) return count;
    }
    return 0;
}

}  // namespace

TEST(AirSpeed, probeAtRestReadsZero) {
    const LiveState st = Decode(FrameBuilder().probe(1000, 100, 1000));
    EXPECT_DOUBLE_EQ(st.reading.AirSpeed, 0.0);
    EXPECT_EQ(st.reading.AirSpeedText, "0.0");
    EXPECT_EQ(st.reading.AirSpeedTextFtMin, "0");
    EXPECT_EQ(st.diagnostics.LblDer, "0.0");
}

TEST(AirSpeed, valueOnACalibrationPointTakesTheLowerRow) {
    const int count = ExactCount();
    ASSERT_NE(count, 0);
    const double m = ProbeValue(count);
    // Put the 5 m/s point exactly on the probe value: the 2-5 m/s row gives 5.00.
    const int p5 = int(m);
    LiveState st = Decode(
        FrameBuilder().count(count).calibration(0, p5 / 2, p5, p5 * 2, p5 * 3, p5 * 4, p5 * 5));
    EXPECT_DOUBLE_EQ(st.reading.AirSpeed, 5.0);
    EXPECT_EQ(st.reading.AirSpeedText, "5.0");
    EXPECT_EQ(st.reading.AirSpeedTextFtMin, "984");  // whole part of 5 × 60 × 1250 / 381
    // Halfway between P5 and P10: 5 + 500 × 0.5 / 100.
    st = Decode(FrameBuilder().count(count).calibration(0, 1, int(m) - 100, int(m) + 100, 9000,
                                                        9500, 9900));
    EXPECT_DOUBLE_EQ(st.reading.AirSpeed, 7.5);
    // Between P0 and P2: whole hundredths of 200 × (M − P0) / (P2 − P0).
    st = Decode(
        FrameBuilder().count(count).calibration(0, int(m) * 3, 9000, 9100, 9200, 9300, 9400));
    EXPECT_DOUBLE_EQ(st.reading.AirSpeed, 0.66);
    EXPECT_EQ(st.reading.AirSpeedText, "0.6");
}

TEST(AirSpeed, aboveTheLastPointExtrapolatesTheTopSegment) {
    const int count = ExactCount();
    const int m = int(ProbeValue(count));
    // P20 = M − 20, P25 = M − 10: 20 + 500 × 20 / 10 / 100 = 30.
    LiveState st = Decode(FrameBuilder().count(count).calibration(1, 2, 3, 4, 5, m - 20, m - 10));
    EXPECT_DOUBLE_EQ(st.reading.AirSpeed, 30.0);
    EXPECT_EQ(st.reading.AirSpeedText, "30.0");
    st = Decode(FrameBuilder().count(count).calibration(1, 2, 3, 4, 5, m - 10, m + 10));
    EXPECT_DOUBLE_EQ(st.reading.AirSpeed, 22.5);
    st = Decode(FrameBuilder().count(count).calibration(1, 2, 3, 4, 5, m - 30, m - 20));
    EXPECT_DOUBLE_EQ(st.reading.AirSpeed, 35.0);
    EXPECT_EQ(st.reading.AirSpeedText, kInvalid);
}

TEST(AirSpeed, zeroAndOffsetCorrectTheSpeedAndNegativeBecomesZero) {
    LiveState st = Decode(FrameBuilder().offsets(700, 200, 150));  // 0 − 1.5 + 5.0
    EXPECT_DOUBLE_EQ(st.reading.SpeedOffset, 5.0);
    EXPECT_DOUBLE_EQ(st.reading.SpeedZero, 1.5);
    EXPECT_DOUBLE_EQ(st.reading.AirSpeed, 3.5);
    EXPECT_EQ(st.reading.AirSpeedTextFtMin, "688");
    st = Decode(FrameBuilder().offsets(0, 65535, 0));  // terms taken unsigned: −655.35
    EXPECT_DOUBLE_EQ(st.reading.AirSpeed, 0.0);
    EXPECT_EQ(st.reading.AirSpeedText, "0.0");
}

TEST(AirSpeed, above30MetresASecondIsUndefinedWithItsWindChill) {
    const LiveState st = Decode(FrameBuilder().dry(0).wet(-1).offsets(3100, 0, 0));
    EXPECT_DOUBLE_EQ(st.reading.AirSpeed, 31.0);
    EXPECT_EQ(st.reading.AirSpeedText, kInvalid);
    EXPECT_EQ(st.reading.AirSpeedTextFtMin, kInvalid);
    EXPECT_EQ(st.reading.WindChillText, kInvalid);
    EXPECT_EQ(st.reading.WindChillTextF, kInvalid);
    EXPECT_EQ(st.reading.DryText, "0.0");
}

TEST(AirSpeed, zeroGainOrEqualPointsBlankOnlyTheSpeedAndWindChill) {
    const int count = 1100;
    const int m = int(ProbeValue(count));
    const FrameBuilder frames[] = {
        FrameBuilder().dry(2).wet(1).probe(1000, 0, count),
        FrameBuilder().dry(2).wet(1).count(count).calibration(1, 2, 3, 4, 5, m - 5, m - 5),
    };
    for (const FrameBuilder& fb : frames) {
        const LiveState st = Decode(fb);
        EXPECT_EQ(st.reading.AirSpeedText, kInvalid);
        EXPECT_EQ(st.reading.AirSpeedTextFtMin, kInvalid);
        EXPECT_EQ(st.reading.WindChillText, kInvalid);
        EXPECT_EQ(st.reading.WindChillTextF, kInvalid);
        EXPECT_EQ(st.reading.DryText, "2.0");
        EXPECT_EQ(st.reading.GlobeText, "30.0");
        EXPECT_NE(st.reading.WbgtIndoorText, kInvalid);
    }
}

TEST(WindChill, coldAndWindyGivesTheNorthAmericanIndex) {
    // 0 °C at 5.0 m/s (18 km/h, 984 ft/min).
    const LiveState st = Decode(FrameBuilder().dry(0).wet(-1).offsets(500, 0, 0));
    EXPECT_EQ(st.reading.AirSpeedText, "5.0");
    EXPECT_EQ(st.reading.WindChillText, "-4.9");
    EXPECT_EQ(st.reading.WindChillTextF, "23.1");
}

TEST(WindChill, needsColdAirAndSomeWind) {
    EXPECT_EQ(Decode(FrameBuilder().dry(5.01).wet(1).offsets(500, 0, 0)).reading.WindChillText,
              kInvalid);
    EXPECT_EQ(Decode(FrameBuilder().dry(-5.01).wet(-6).offsets(500, 0, 0)).reading.WindChillText,
              kInvalid);
    EXPECT_NE(Decode(FrameBuilder().dry(5.0).wet(1).offsets(500, 0, 0)).reading.WindChillText,
              kInvalid);
    // 0.8 m/s is below 0.894; 0.9 m/s is 177 ft/min, enough for both.
    EXPECT_EQ(Decode(FrameBuilder().dry(0).wet(-1).offsets(80, 0, 0)).reading.WindChillTextF,
              kInvalid);
    EXPECT_NE(Decode(FrameBuilder().dry(0).wet(-1).offsets(90, 0, 0)).reading.WindChillTextF,
              kInvalid);
}

TEST(StoredRecord, usesTheKeptCalibrationAndItsOwnZeroAndOffset) {
    LiveState live;
    DecodeLiveFrame(ToLiveFrame(FrameBuilder().count(1020).bytes()), live);
    const double liveSpeed = live.reading.AirSpeed;
    ASSERT_GT(liveSpeed, 1.0);
    ASSERT_LT(liveSpeed, 2.0);
    Reading r;
    DecodeStoredRecord(r, live.calibration, FrameBuilder::raw(30), FrameBuilder::raw(25),
                       FrameBuilder::raw(20), 1020, 0.5, 1.0);
    EXPECT_DOUBLE_EQ(r.AirSpeed, liveSpeed - 0.5 + 1.0);
    EXPECT_EQ(r.DryText, "25.0");
    EXPECT_EQ(r.RHText, "63.2");
    EXPECT_EQ(r.DewText, "17.5");
    EXPECT_EQ(r.WbgtOutdoorText, "22.5");
}

TEST(StoredRecord, beforeAnyLiveFrameTheSpeedIsUndefinedNotACrash) {
    Reading r;
    DecodeStoredRecord(r, ProbeCalibration{}, FrameBuilder::raw(30), FrameBuilder::raw(25),
                       FrameBuilder::raw(20), 1100, 0, 0);
    EXPECT_EQ(r.AirSpeedText, "- - -");
    EXPECT_EQ(r.WindChillText, "- - -");
    EXPECT_EQ(r.GlobeText, "30.0");
}

TEST(StoredRecord, dryBulbOutOfRangeBlanksEverythingThatNeedsIt) {
    LiveState live;
    DecodeLiveFrame(ToLiveFrame(FrameBuilder().bytes()), live);
    Reading r;
    DecodeStoredRecord(r, live.calibration, FrameBuilder::raw(30), FrameBuilder::raw(100),
                       FrameBuilder::raw(20), 1000, 0, 0);
    EXPECT_EQ(r.DryText, kInvalid);
    EXPECT_EQ(r.DewText, kInvalid);  // unlike the live path
    EXPECT_EQ(r.DewTextF, kInvalid);
    EXPECT_EQ(r.HeatIndexText, kInvalid);
    EXPECT_EQ(r.HumidexText, kInvalid);
    EXPECT_EQ(r.WbgtOutdoorText, kInvalid);
    EXPECT_EQ(r.WindChillText, kInvalid);
    EXPECT_EQ(r.GlobeText, "30.0");
    EXPECT_EQ(r.WbgtIndoorText, "23.0");
}
