#include "core/graphs/ChartSettings.h"

#include <QCoreApplication>

#include "core/graphs/GraphGeometry.h"
#include "core/meter/Numbers.h"

namespace montira {

void ChartSettings::openDefaults(bool celsiusMode) {
    const ChannelFlags keep = flags;
    *this = ChartSettings();
    flags = keep;
    ChartCelsius = celsiusMode;
}

bool ApplyChartRange(ChartSettings& s, const ChartRangeInput& in, double chartWidth,
                     QString& message) {
    const double tMax = LeadingNumber(in.TxtMax), tMin = LeadingNumber(in.TxtMin);
    const double wMax = LeadingNumber(in.TxtWMax), wMin = LeadingNumber(in.TxtWMin);
    if (in.celsius) {
        if (!(tMax <= 130 && tMin >= -20 && tMax > tMin)) {
            message = QCoreApplication::translate("Graphs", "-20 <= ºC <= 130, tente novamente!");
            return false;
        }
        if (!(wMax <= 30 && wMin >= 0)) {
            message = QCoreApplication::translate("Graphs", "0 <= m/s <= 30, tente novamente!");
            return false;
        }
        s.ChartCelsius = true;
        s.ChartTempMaxC = tMax;
        s.ChartTempMinC = tMin;
        s.ChartTempMaxF = CelsiusToFahrenheit(tMax);
        s.ChartTempMinF = CelsiusToFahrenheit(tMin);
        s.ChartWindMaxMs = wMax;
        s.ChartWindMinMs = wMin;
        s.ChartWindMaxFtm = MsToFtmTenths(wMax);
        s.ChartWindMinFtm = MsToFtmTenths(wMin);
    } else {
        if (!(tMax <= 266 && tMin >= -4 && tMax > tMin)) {
            message = QCoreApplication::translate("Graphs", "-4 <= ºF <= 266, tente novamente!");
            return false;
        }
        if (!(wMax <= 6000 && wMin >= 0)) {
            message = QCoreApplication::translate("Graphs", "0 <= ft/m <= 6000, tente novamente!");
            return false;
        }
        s.ChartCelsius = false;
        s.ChartTempMaxF = tMax;
        s.ChartTempMinF = tMin;
        s.ChartTempMaxC = FahrenheitToCelsiusTenths(tMax);
        s.ChartTempMinC = FahrenheitToCelsiusTenths(tMin);
        s.ChartWindMaxFtm = wMax;
        s.ChartWindMinFtm = wMin;
        s.ChartWindMaxMs = FtmToMsTenths(wMax);
        s.ChartWindMinMs = FtmToMsTenths(wMin);
    }
    const double rMax = LeadingNumber(in.TxtMaxR), rMin = LeadingNumber(in.TxtMinR);
    if (!(rMax <= 100 && rMin >= 0 && rMax > rMin)) {
        message = QCoreApplication::translate("Graphs", "0 <= %UR <= 100, tente novamente!");
        return false;
    }
    s.ChartRhMax = rMax;
    s.ChartRhMin = rMin;
    const double counts = LeadingNumber(in.TxtCounts);
    if (!(counts >= 10 && counts <= 864000)) {
        message =
            QCoreApplication::translate("Graphs", "10 <= Resultados <= 864000, tente novamente!");
        return false;
    }
    s.ChartStep = chartWidth / counts;
    return true;
}

}  // namespace montira
