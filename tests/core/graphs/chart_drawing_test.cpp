#include <gtest/gtest.h>

#include <QPainter>

#include "GraphProbe.h"
#include "core/graphs/RealTimeChart.h"

using namespace montira;
using montira::test::CountColour;

namespace {

const QColor kDry(255, 128, 0);

Reading DryAt(double c, const QString& text) {
    Reading r;
    r.DryC = c, r.DryText = text;
    return r;
}

// A 640 × 480 chart (area 80..620 × 85..345) drawing only the dry bulb.
struct Chart {
    QImage img = montira::test::Canvas(640, 480);
    QPainter p{&img};
    ChartSettings s;
    RealTimeChart chart;
    explicit Chart(double step) {
        s.flags.fill(false);
        s.flags[size_t(Channel::Dry)] = true;
        s.ChartStep = step;
        chart.layout(p, img.size(), s);
    }
    void tick(const Reading& r) { chart.tick(p, s, r, true, QTime(12, 34, 56)); }
};

}  // namespace

TEST(RealTimeChart, firstTickDrawsNothingAndTheSecondStartsAtTheLeftEdge) {
    Chart c(54);
    c.tick(DryAt(130, "130.0"));
    EXPECT_EQ(c.chart.ChartX(), 0);
    EXPECT_EQ(CountColour(c.img, c.img.rect(), kDry), 0);
    c.tick(DryAt(130, "130.0"));
    // A value at the maximum lies on the top edge.
    EXPECT_EQ(c.img.pixelColor(100, 85), kDry);
    EXPECT_EQ(CountColour(c.img, QRect(80, 0, 54, 84), kDry), 0);
}

TEST(RealTimeChart, wrapWipesTheSweepOutOfRangeLinesIncluded) {
    Chart c(54);
    for (int i = 0; i < 10; ++i) c.tick(i < 5 ? DryAt(55, "55.0") : DryAt(0, InvalidText()));
    EXPECT_GT(CountColour(c.img, QRect(80, 85, 540, 261), kDry), 200);
    EXPECT_GT(CountColour(c.img, QRect(80, 75, 540, 10), kDry), 100);  // drawn 5 above the top
    c.tick(DryAt(55, "55.0"));  // back at 0: wiped, nothing drawn
    EXPECT_EQ(CountColour(c.img, c.img.rect(), kDry), 0);
}

TEST(RealTimeChart, airSpeedFollowsTheDisplayUnit) {
    Reading r;
    r.AirSpeed = 2, r.AirSpeedText = "2.0", r.AirSpeedFtMin = 393;
    r.AirSpeedTextFtMin = InvalidText();
    EXPECT_EQ(ChartValue(r, Channel::Wind, true), 2.0);
    EXPECT_FALSE(ChartValue(r, Channel::Wind, false).has_value());
    r.WindChillText = "-3.5";
    EXPECT_EQ(ChartValue(r, Channel::WindChill, true), -3.5);
    r.RHText = InvalidText(), r.RH = 40;  // %UR has no missing-value test
    EXPECT_EQ(ChartValue(r, Channel::RH, true), 40.0);
}
