#include "core/graphs/ChartSettings.h"

#include <QCoreApplication>

#include "core/graphs/GraphGeometry.h"
#include "core/graphs/ScaleLimits.h"
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
    if (!ScaleWithinLimits(in.celsius, tMax, tMin, wMax, wMin, false, message)) return false;
    if (in.celsius) {
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
    if (!HumidityWithinLimits(rMax, rMin, message)) return false;
    s.ChartRhMax = rMax;
    s.ChartRhMin = rMin;
    const double counts = LeadingNumber(in.TxtCounts);
    if (!(counts >= 10 && counts <= 864000)) {
        message =
            QCoreApplication::translate("Graphs", "10 <= Resultados <= 864000, tente novamente!");
        return false;
    }
    // A chart without area (never shown yet) keeps its step: a step of 0 would stop the pen.
    if (chartWidth / counts > 0) s.ChartStep = chartWidth / counts;
    return true;
}

}  // namespace montira
