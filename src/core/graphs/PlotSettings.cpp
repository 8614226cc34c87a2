#include "core/graphs/PlotSettings.h"

#include <QCoreApplication>

#include "core/graphs/GraphGeometry.h"
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
    if (!s.celsius()) {
        if (!(tMax <= 266 && tMin >= -4 && tMax > tMin)) {
            message = QCoreApplication::translate("Graphs", "-4 <= ºF <= 266, tente novamente!");
            return false;
        }
        if (!(wMax <= 6000 && wMin >= 0 && wMax > wMin)) {
            message = QCoreApplication::translate("Graphs", "0 <= ft/m <= 6000, tente novamente!");
            return false;
        }
        s.PlotTempMaxF = tMax;
        s.PlotTempMinF = tMin;
        s.PlotTempMaxC = (tMax - 32) * 5 / 9;
        s.PlotTempMinC = (tMin - 32) * 5 / 9;
        s.PlotWindMaxFtm = wMax;
        s.PlotWindMinFtm = wMin;
    } else {
        if (!(tMax <= 130 && tMin >= -20 && tMax > tMin)) {
            message = QCoreApplication::translate("Graphs", "-20 <= ºC <= 130, tente novamente!");
            return false;
        }
        if (!(wMax <= 30 && wMin >= 0 && wMax > wMin)) {
            message = QCoreApplication::translate("Graphs", "0 <= m/s <= 30, tente novamente!");
            return false;
        }
        s.PlotTempMaxC = tMax;
        s.PlotTempMinC = tMin;
        s.PlotTempMaxF = CelsiusToFahrenheit(tMax);
        s.PlotTempMinF = CelsiusToFahrenheit(tMin);
        s.PlotWindMaxMs = wMax;
        s.PlotWindMinMs = wMin;
    }
    const double rMax = LeadingNumber(in.TxtMaxR), rMin = LeadingNumber(in.TxtMinR);
    if (!(rMax <= 100 && rMin >= 0 && rMax > rMin)) {
        message = QCoreApplication::translate("Graphs", "0 <= %UR <= 100, tente novamente!");
        return false;
    }
    s.PlotRhMax = rMax;
    s.PlotRhMin = rMin;
    return ApplyPlotRecords(s, LeadingNumber(in.TxtFrom), LeadingNumber(in.TxtTo), message);
}

}  // namespace montira
