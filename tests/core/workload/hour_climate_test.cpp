#include <gtest/gtest.h>

#include "core/meter/Formulas.h"
#include "core/workload/HourClimate.h"

using namespace montira;
using namespace montira::exposure;
using montira::heatstrain::HourClimate;

namespace {

// A table of one reading a minute from 10:00, `minutes` long; fields 3..11 are dry, dew,
// wet, heat index, WBGTi, WBGTo, globe, speed, wind chill.
TextTable Table(int minutes, const QString& dry, const QString& wet, const QString& globe,
                const QString& speed) {
    TextTable t;
    for (int m = 0; m < minutes; ++m)
        t.appendRow({"1", "24/01/15",
                     QString("%1:%2:00").arg(10 + m / 60).arg(m % 60, 2, 10, QChar('0')), dry,
                     "20.0", wet, "30.0", "28.0", "29.0", globe, speed, "30.0"});
    return t;
}

const QStringList kCelsius = {"(°C)", "Data",   "Hora",   "Seco",  "Orvalho", "Úmido",
                              "I.C.", "IBUTGi", "IBUTGo", "Globo", "m/s",     "Twc"};
const QStringList kFahrenheit =
    QStringList(kCelsius).replaceInStrings("°C", "°F").replaceInStrings("m/s", "ft/m");

}  // namespace

TEST(HourClimate, meansOfTheHourWithHumidityFromTheMetersFormula) {
    TextTable t = Table(90, "32.0", "26.0", "40.0", "0.5");
    const WbgtSeries s = ReadWbgtSeries(kCelsius, t, WbgtIndex::Indoor);
    const ExposureHour h = HourAt(s, SplitRuns(s), 0);
    ASSERT_TRUE(h.valid());
    const auto c = HourClimate(kCelsius, t, s, h);
    ASSERT_TRUE(c);
    // 10:00 to 10:59; 11:00 starts the next hour.
    EXPECT_EQ(std::tuple(c->readings, c->ta, c->tg, c->va), std::tuple(60, 32.0, 40.0, 0.5));
    Reading r;
    RelativeHumidity(r, 32, 26);
    EXPECT_NEAR(c->rh, r.RH, 1e-9);
}

TEST(HourClimate, fahrenheitTableGivesCelsiusAndMetresPerSecond) {
    TextTable t = Table(61, "89.6", "89.6", "104.0", "98.4");
    const WbgtSeries s = ReadWbgtSeries(kFahrenheit, t, WbgtIndex::Indoor);
    const auto c = HourClimate(kFahrenheit, t, s, HourAt(s, SplitRuns(s), 0));
    ASSERT_TRUE(c);
    EXPECT_NEAR(c->ta, 32, 1e-9);
    EXPECT_NEAR(c->tg, 40, 1e-9);
    EXPECT_NEAR(c->va, 0.4999, 1e-3);  // 98.4 ft/min
    EXPECT_NEAR(c->rh, 99.9, 1e-9);    // wet equal to dry: the meter shows 99.9
}

TEST(HourClimate, unreadableFieldsAreLeftOutAndAChannelWithoutAnyGivesNothing) {
    TextTable t = Table(61, "32.0", "26.0", "- - -", "0.5");
    const WbgtSeries s = ReadWbgtSeries(kCelsius, t, WbgtIndex::Indoor);
    const ExposureHour h = HourAt(s, SplitRuns(s), 0);
    EXPECT_FALSE(HourClimate(kCelsius, t, s, h));
    EXPECT_FALSE(HourClimate(kCelsius, t, s, ExposureHour{}));
}
