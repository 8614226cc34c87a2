#pragma once
#include <QString>
#include <optional>

#include "core/workload/Survey.h"

class QPainter;
class QPagedPaintDevice;
class QPageLayout;

namespace montira::exposure {

// Everything the signed report shows: the survey as entered and its result (or why there
// is none).
struct ExposureReport {
    Survey survey;
    std::optional<SurveyResult> result;
    QString why;
};
// Evaluates `survey` (its files loaded) into a report.
ExposureReport MakeExposureReport(Survey survey);

// A °C value, or a °F table's value shown in both units ("28.4 °C (83.1 °F)"); `difference`
// for adjustments and margins (no 32 added).
QString TemperatureText(double celsius, bool both, bool difference = false);

// Draws the report on the pages of `device`, "página n de N" on each (N counted first when
// `pages` is 0); returns the count of pages.
int DrawExposureReport(QPainter& p, QPagedPaintDevice& device, const ExposureReport& r,
                       int pages = 0);
// Writes the report as an A4 PDF; the file appears only when complete.
bool WriteExposurePdf(const QString& path, const ExposureReport& r, QString* why);

}  // namespace montira::exposure
