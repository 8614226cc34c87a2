#pragma once
#include <QSize>

#include "core/graphs/GraphFrame.h"
#include "core/graphs/PlotData.h"
#include "core/graphs/PlotSettings.h"

class QPainter;

namespace montira {

// What the plot shows: records `from` to `to` (1-based) against `scale`. At full extent and
// zoomed alike, a value above the scale or a "- - -" is drawn 5 above the top, a value below it
// 3 below the bottom. `zoomed` marks a view that the zoom made.
struct PlotView {
    long long from = 1, to = 0;
    AxisScale scale;
    bool zoomed = false;

    long long count() const { return to >= from ? to - from + 1 : 0; }
};
PlotView FullView(const PlotSettings& s);

// The x advance per record, and the absolute x of record r of the view.
double PlotStep(const GraphLayout& g, const PlotView& v);
double RecordX(const GraphLayout& g, const PlotView& v, long long record);

// EverySegment draws one segment per record and channel; Summary draws, per pixel column, one
// vertical line from the column's lowest to its highest point and the segment that joins it to
// the previous column: the same picture for a large table at a fraction of the cost.
enum class PlotDetail { EverySegment, Summary };

// The table's records of the view, the chosen channels, the grid, the time lines and labels.
// Time cells that are empty or hold "- - -" get their line but no label.
void PlotList(QPainter& p, const GraphLayout& g, const PlotView& v, const ChannelFlags& flags,
              const TextTable& table, const PlotColumns& columns,
              PlotDetail detail = PlotDetail::Summary);

// The whole window as ListPlot1 shows it: the frame, then PlotList.
void DrawPlotWindow(QPainter& p, QSize window, const PlotView& v, const ChannelFlags& flags,
                    const TextTable& table, const PlotColumns& columns,
                    PlotDetail detail = PlotDetail::Summary);

}  // namespace montira
