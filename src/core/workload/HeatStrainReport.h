#pragma once
#include <QRectF>
#include <QString>
#include <optional>

#include "core/tables/TableLines.h"
#include "core/workload/MeanRadiant.h"
#include "core/workload/PredictedHeatStrain.h"

class QPainter;
class QPagedPaintDevice;

namespace montira::heatstrain {

// Everything the printed predicted-heat-strain page shows.
struct HeatStrainReport {
    HeaderTexts header;
    QString climateSource;        // where the climate came from ("Hora ...", typed values)
    std::optional<double> globe;  // °C, when the radiant temperature came from the globe
    double globeDiameter = kGlobeDiameter, globeEmissivity = kGlobeEmissivity;
    double rh = 0;                   // % the vapour pressure came from
    bool humidityFromMeter = false;  // the meter's derived humidity, not a measured one
    PhsInput input;
    PhsResult result;
};

// Rectal temperature (left scale, °C) and water loss (right scale, g) against the minutes of
// the duration, with the 38 °C limit and the two water-loss limits as dashed lines.
void DrawHeatStrainPlot(QPainter& p, const QRectF& area, const PhsInput& input,
                        const PhsResult& result);

// Draws the page on `device`; returns the count of pages.
int DrawHeatStrainReport(QPainter& p, QPagedPaintDevice& device, const HeatStrainReport& r);
// Writes the page as an A4 PDF; the file appears only when complete.
bool WriteHeatStrainPdf(const QString& path, const HeatStrainReport& r, QString* why);

// Texts the window and the page share.
QString PostureName(Posture p);
QString MinutesText(int minutes, int duration);  // "298 min", "480 min (a duração toda)"

}  // namespace montira::heatstrain
