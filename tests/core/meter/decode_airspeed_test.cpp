#include <gtest/gtest.h>

#include <cmath>

#include "core/meter/LiveFrame.h"
#include "core/meter/Numbers.h"
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

TEST(AirSpeed, calibrationTableInterpolatesAndAPointTakesTheLowerRow) {
    const int count = ExactCount();
    ASSERT_NE(count, 0);
    const int m = int(ProbeValue(count));
    const struct {
        int p0, p2, p5, p10, p15, p20, p25;
        double speed;
        const char* text;
    } cases[] = {
        {0, m / 2, m, m * 2, m * 3, m * 4, m * 5, 5.0, "5.0"},   // on P5: the 2-5 row
        {0, 1, m - 100, m + 100, 9000, 9500, 9900, 7.5, "7.5"},  // halfway P5-P10
        {0, m * 3, 9000, 9100, 9200, 9300, 9400, 0.66, "0.6"},   // whole hundredths
        {1, 2, 3, 4, 5, m - 20, m - 10, 30.0, "30.0"},           // above P25: extrapolated
        {1, 2, 3, 4, 5, m - 30, m - 20, 35.0, "- - -"},          // over 30 m/s
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.speed);
        const Reading r = Decode(FrameBuilder().count(count).calibration(c.p0, c.p2, c.p5, c.p10,
                                                                         c.p15, c.p20, c.p25))
                              .reading;
        EXPECT_DOUBLE_EQ(r.AirSpeed, c.speed);
        EXPECT_EQ(r.AirSpeedText, c.text);
    }
    const Reading onP5 =
        Decode(FrameBuilder().count(count).calibration(0, m / 2, m, m * 2, m * 3, m * 4, m * 5))
            .reading;
    EXPECT_EQ(onP5.AirSpeedTextFtMin, "984");  // whole part of 5 × 60 × 1250 / 381
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
        EXPECT_EQ(r.AirSpeedTextFtMin, kInvalid);
        EXPECT_EQ(r.WindChillText, kInvalid);
        EXPECT_NE(r.WbgtIndoorText, kInvalid);
    }
}

TEST(WindChill, needsColdAirAndSomeWind) {
    const Reading r = Decode(FrameBuilder().dry(0).wet(-1).offsets(500, 0, 0)).reading;
    EXPECT_EQ(r.WindChillText, "-4.9");
    EXPECT_EQ(r.WindChillTextF, "23.1");
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
    EXPECT_EQ(none.AirSpeedText, kInvalid);
    EXPECT_EQ(none.GlobeText, "30.0");
}
