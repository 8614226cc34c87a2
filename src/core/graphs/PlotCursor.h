#pragma once
#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <vector>

#include "core/graphs/PlotList.h"

class QPainter;

namespace montira {

// Zooming: a rectangle dragged over the plot area shows the records and values it covers;
// the wheel scales both around the pointer (factor < 1 zooms in). Views never go beyond the
// records of the table, nor below two records, nor below a span of 0.8 on either scale (the
// nine axis labels, one decimal each, would no longer differ). A rectangle narrower or lower
// than 3 pixels keeps that direction as it was.
PlotView ZoomToRect(const GraphLayout& g, const PlotView& v, const QRectF& rect,
                    long long recordCount);
PlotView ZoomAround(const GraphLayout& g, const PlotView& v, QPointF at, double factor,
                    long long recordCount);

// The record of the view nearest to x.
long long RecordAtX(const GraphLayout& g, const PlotView& v, double x);

// The cursor's readout of a record: its number, its date and time, and every drawn channel's
// text followed by its unit (a "- - -" has none), each in the channel's colour. `celsius`: the
// list is in °C and m/s, else in °F and ft/m.
struct ReadoutLine {
    QString text;
    QColor colour;
};
std::vector<ReadoutLine> CursorReadout(const TextTable& table, long long record,
                                       const ChannelFlags& flags, bool celsius);
// "°C", "°F", "m/s", "ft/m" or "%".
QString ReadoutUnit(Channel c, bool celsius);

// The cursor: a vertical line through the plot area at record's x and the readout box beside
// it (to the right, or to the left when it would leave the window). Returns the box.
QRectF DrawCursor(QPainter& p, QSize window, const GraphLayout& g, double x,
                  const std::vector<ReadoutLine>& lines);

}  // namespace montira
