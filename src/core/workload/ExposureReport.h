#pragma once
#include <QString>
#include <optional>
#include <vector>

#include "core/record/DataFile.h"
#include "core/workload/ChannelStats.h"
#include "core/workload/Exposure.h"
#include "core/workload/WbgtSeries.h"
#include "core/workload/WorstHour.h"

class QPainter;
class QPagedPaintDevice;

namespace montira::exposure {

// Everything the measurement report shows. Built from a table by MakeExposureReport; the
// caller fills the hour, the work periods, the clothing and the evaluation.
struct ExposureReport {
    HeaderTexts header;
    MeasuredPeriod period;
    std::vector<ChannelStat> channels;  // in the table's units
    bool fahrenheit = false;
    WbgtIndex index = WbgtIndex::Indoor;
    WbgtSeries series;
    SeriesRuns runs;
    ExposureHour hour;
    std::vector<WorkPeriod> periods;
    QString clothingName;  // the preset's name, or empty for a typed value
    std::optional<Evaluation> evaluation;
};

// The table's readings, runs, statistics and worst hour for `index`.
ExposureReport MakeExposureReport(const QStringList& heading, const TextTable& rows,
                                  const HeaderTexts& header, WbgtIndex index);
// Sets the periods and clothing, and evaluates when the hour and the periods allow it
// (otherwise `evaluation` is cleared and `why` says why).
void EvaluateReport(ExposureReport& r, std::vector<WorkPeriod> periods, double clothing,
                    const QString& clothingName, QString* why = nullptr);

// A °C value, or a °F table's value shown in both units ("28.4 °C (83.1 °F)"); `difference`
// for adjustments and margins (no 32 added).
QString TemperatureText(double celsius, bool both, bool difference = false);

// Draws the report on the pages of `device`; returns the count of pages.
int DrawExposureReport(QPainter& p, QPagedPaintDevice& device, const ExposureReport& r);
// Writes the report as an A4 PDF; the file appears only when complete.
bool WriteExposurePdf(const QString& path, const ExposureReport& r, QString* why);

}  // namespace montira::exposure
