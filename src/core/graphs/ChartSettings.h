#pragma once
#include <QString>

#include "core/graphs/Channels.h"

namespace montira {

// The real-time chart's settings, shared by the chart, its scale dialog and its chooser.
struct ChartSettings {
    double ChartTempMaxC = 130, ChartTempMinC = -20;
    double ChartTempMaxF = 266, ChartTempMinF = -4;
    double ChartRhMax = 100, ChartRhMin = 0;
    double ChartWindMaxMs = 30, ChartWindMinMs = 0;
    double ChartWindMaxFtm = 6000, ChartWindMinFtm = 0;
    double ChartStep = 1;      // pen advance per tick, pixels
    bool ChartCelsius = true;  // axis labels in °C and m/s, else °F and ft/m
    bool ChartOpen = false;
    ChannelFlags flags = DefaultChannelFlags();  // kept for the whole run

    // The toolbar's "Graph": the scales and the step return to their defaults, the labels
    // follow the display unit; the channel flags are kept.
    void openDefaults(bool celsiusMode);
};

// What the scale dialog's boxes hold when OK is clicked.
struct ChartRangeInput {
    bool celsius = true;  // COpt selected, else FOpt
    QString TxtMax, TxtMin, TxtWMax, TxtWMin, TxtMaxR, TxtMinR, TxtCounts;
};

// Checks the groups in order (temperature and air speed, relative humidity, results) and
// stores each valid one; stops at the first invalid group with its message. On success the
// step becomes chartWidth / results (kept as it was when the chart has no width).
bool ApplyChartRange(ChartSettings& s, const ChartRangeInput& in, double chartWidth,
                     QString& message);

}  // namespace montira
