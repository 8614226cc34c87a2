#pragma once
#include <QString>

#include "core/graphs/Channels.h"

namespace montira {

// The data plot's settings, set by a list window's "Plot" and changed by the scale dialog
// and the chooser.
struct PlotSettings {
    QString ListUnit = QStringLiteral("°C");
    double PlotTempMaxC = 130, PlotTempMinC = -20;
    double PlotTempMaxF = 266, PlotTempMinF = -4;
    double PlotRhMax = 100, PlotRhMin = 0;
    double PlotWindMaxMs = 30, PlotWindMinMs = 0;
    double PlotWindMaxFtm = 6000, PlotWindMinFtm = 0;
    long long PlotRecordCount = 0;
    long long PlotFrom = 1, PlotTo = 0;
    long long PlotCount = 0;
    ChannelFlags flags = DefaultChannelFlags();

    bool celsius() const { return ListUnit == QStringLiteral("°C"); }
    // The scale pairs of the list's unit.
    double tempMax() const { return celsius() ? PlotTempMaxC : PlotTempMaxF; }
    double tempMin() const { return celsius() ? PlotTempMinC : PlotTempMinF; }
    double windMax() const { return celsius() ? PlotWindMaxMs : PlotWindMaxFtm; }
    double windMin() const { return celsius() ? PlotWindMinMs : PlotWindMinFtm; }
};

// What "Plot" sets for a table whose first heading is `firstHeading` and which has `rows`
// records: the unit ("°C" when the heading holds it, else "°F"), default channels and
// scales, and the whole range.
PlotSettings PlotSettingsFor(const QString& firstHeading, long long rows);

// A heading that names a data table's unit: "(°C)", "( °C )", "(°F)" or "( °F )".
bool IsUnitHeading(const QString& firstHeading);

struct PlotRangeInput {
    QString TxtMax, TxtMin, TxtMaxR, TxtMinR, TxtWindMax, TxtWindMin, TxtFrom, TxtTo;
};

// The scale dialog's OK: temperature and air speed of the list's unit, relative humidity,
// then the records; each valid group is stored, the first invalid one stops with its message.
bool ApplyPlotRange(PlotSettings& s, const PlotRangeInput& in, QString& message);

// The record range alone (also what the command line's --from and --to go through).
bool ApplyPlotRecords(PlotSettings& s, double from, double to, QString& message);

}  // namespace montira
