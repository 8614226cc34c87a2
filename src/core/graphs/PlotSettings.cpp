#include "core/graphs/PlotSettings.h"

#include <QCoreApplication>

#include "core/graphs/GraphGeometry.h"
#include "core/graphs/ScaleLimits.h"
#include "core/meter/Numbers.h"

namespace montira {

PlotSettings PlotSettingsFor(const QString& firstHeading, long long rows) {
    PlotSettings s;
    s.ListUnit =
        firstHeading.contains(QStringLiteral("°C")) ? QStringLiteral("°C") : QStringLiteral("°F");
    s.PlotRecordCount = rows;
    s.PlotCount = rows;
    s.PlotFrom = 1;
    s.PlotTo = rows;
    return s;
}

bool IsUnitHeading(const QString& h) {
    for (const char* u : {"(°C)", "( °C )", "(°F)", "( °F )"})
        if (h.contains(QString::fromUtf8(u))) return true;
    return false;
}

bool ApplyPlotRecords(PlotSettings& s, double from, double to, QString& message) {
    if (!(from >= 1 && to > from && to <= double(s.PlotRecordCount))) {
        message = QCoreApplication::translate("Graphs", "Comando inválido, tente novamente!");
        return false;
    }
    s.PlotFrom = SafeWhole(from);
    s.PlotTo = SafeWhole(to);
    s.PlotCount = s.PlotTo - s.PlotFrom + 1;
    return true;
}

bool ApplyPlotRange(PlotSettings& s, const PlotRangeInput& in, QString& message) {
    const double tMax = LeadingNumber(in.TxtMax), tMin = LeadingNumber(in.TxtMin);
    const double wMax = LeadingNumber(in.TxtWindMax), wMin = LeadingNumber(in.TxtWindMin);
    if (!ScaleWithinLimits(s.celsius(), tMax, tMin, wMax, wMin, true, message)) return false;
    if (!s.celsius()) {
        s.PlotTempMaxF = tMax;
        s.PlotTempMinF = tMin;
        s.PlotTempMaxC = (tMax - 32) * 5 / 9;
        s.PlotTempMinC = (tMin - 32) * 5 / 9;
        s.PlotWindMaxFtm = wMax;
        s.PlotWindMinFtm = wMin;
    } else {
        s.PlotTempMaxC = tMax;
        s.PlotTempMinC = tMin;
        s.PlotTempMaxF = CelsiusToFahrenheit(tMax);
        s.PlotTempMinF = CelsiusToFahrenheit(tMin);
        s.PlotWindMaxMs = wMax;
        s.PlotWindMinMs = wMin;
    }
    const double rMax = LeadingNumber(in.TxtMaxR), rMin = LeadingNumber(in.TxtMinR);
    if (!HumidityWithinLimits(rMax, rMin, message)) return false;
    s.PlotRhMax = rMax;
    s.PlotRhMin = rMin;
    return ApplyPlotRecords(s, LeadingNumber(in.TxtFrom), LeadingNumber(in.TxtTo), message);
}

}  // namespace montira
