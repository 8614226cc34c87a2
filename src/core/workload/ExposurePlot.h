#pragma once
#include <QRectF>
#include <optional>

#include "core/workload/WbgtSeries.h"
#include "core/workload/WorstHour.h"

class QPainter;

namespace montira::exposure {

// The WBGT of a table in °C against time, broken where the runs break, with the evaluated
// hour shaded and, when known, the action-level and limit lines. Long series are drawn as
// the lowest and highest value of each horizontal step, so a whole file draws quickly.
struct PlotLevels {
    double limit = 0, actionLevel = 0;  // °C of WBGT, the hour's mean plus clothing compared
};
void DrawExposurePlot(QPainter& p, const QRectF& area, const WbgtSeries& s, const SeriesRuns& runs,
                      const ExposureHour& hour, const std::optional<PlotLevels>& levels,
                      const QString& indexName);

}  // namespace montira::exposure
