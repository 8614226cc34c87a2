#pragma once
#include <QRect>
#include <QSize>
#include <QTime>
#include <array>
#include <optional>

#include "core/graphs/ChartSettings.h"
#include "core/graphs/GraphFrame.h"
#include "core/meter/Reading.h"

class QPainter;

namespace montira {

// A channel's value in a live reading, or nothing when its text holds "- - -". Temperatures
// are the °C numbers; air speed is m/s or ft/min as `celsiusMode` says; %UR always has one.
std::optional<double> ChartValue(const Reading& r, Channel c, bool celsiusMode);

// The sweeping chart: a pen that steps right on every tick and draws one segment per chosen
// channel from its previous point, wiping the area when it returns to the left edge.
class RealTimeChart {
public:
    // Lays the chart out for a window of `size` and draws its static parts; the sweep
    // restarts at the left edge.
    void layout(QPainter& p, QSize size, const ChartSettings& s);
    // One tick: returns the rectangle that was drawn on (for a partial repaint).
    QRect tick(QPainter& p, const ChartSettings& s, const Reading& r, bool celsiusMode,
               const QTime& now);

    const GraphLayout& geometry() const { return g_; }
    double ChartX() const { return x_; }
    double ChartLastX() const { return lastX_; }

private:
    GraphLayout g_;
    double x_ = -1;
    double lastX_ = 0;
    std::array<double, kChannelCount> lastY_{};
};

AxisScale ChartAxis(const ChartSettings& s);

}  // namespace montira
