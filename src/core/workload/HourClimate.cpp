#include "core/workload/HourClimate.h"

#include <cmath>

#include "core/meter/Formulas.h"
#include "core/meter/Numbers.h"
#include "core/workload/WbgtAverage.h"

namespace montira::heatstrain {

namespace {

// Fields of a data line.
constexpr int kDry = 3, kWet = 5, kGlobe = 9, kSpeed = 10;
constexpr double kMetresPerSecondPerFtMin = 0.00508;

struct Mean {
    double sum = 0;
    int count = 0;
    void add(double v) {
        sum += v;
        ++count;
    }
    double value() const { return sum / count; }
};

bool Field(const TextTable& rows, int row, int col, double& out) {
    const QString t = rows.field(row, col);
    if (!workload::IsNumberText(t)) return false;
    out = LeadingNumber(t);
    return std::isfinite(out);
}

}  // namespace

std::optional<Climate> HourClimate(const QStringList& heading, const TextTable& rows,
                                   const exposure::WbgtSeries& series,
                                   const exposure::ExposureHour& hour) {
    if (!hour.valid() || hour.first >= series.size()) return std::nullopt;
    const bool f = exposure::HeadingIsFahrenheit(heading);
    auto celsius = [f](double v) { return f ? exposure::FahrenheitToCelsius(v) : v; };
    Mean ta, tg, va, rh;
    Climate c;
    for (int k = hour.first; k < series.size() && series.ticks[size_t(k)] < hour.end; ++k) {
        const int row = series.rows[size_t(k)];
        ++c.readings;
        double dry = 0, wet = 0, globe = 0, speed = 0;
        const bool hasDry = Field(rows, row, kDry, dry);
        if (hasDry) ta.add(celsius(dry));
        if (Field(rows, row, kGlobe, globe)) tg.add(celsius(globe));
        if (Field(rows, row, kSpeed, speed)) va.add(f ? speed * kMetresPerSecondPerFtMin : speed);
        if (hasDry && Field(rows, row, kWet, wet)) {
            Reading r;
            RelativeHumidity(r, celsius(dry), celsius(wet));
            rh.add(r.RH);
        }
    }
    if (!ta.count || !tg.count || !va.count || !rh.count) return std::nullopt;
    c.ta = ta.value();
    c.tg = tg.value();
    c.va = va.value();
    c.rh = rh.value();
    return c;
}

}  // namespace montira::heatstrain
