#include "core/graphs/PlotCursor.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace montira {

namespace {

// Value of the temperature and wind scales at a y of the window.
double ValueAt(const GraphLayout& g, double min, double max, double y) {
    return min + (g.bottom - y) / g.height * (max - min);
}

PlotView WithRecords(PlotView v, double from, double to, long long recordCount) {
    long long a = std::llround(from), b = std::llround(to);
    if (b - a < 1) b = a + 1;
    if (a < 1) {
        b += 1 - a;
        a = 1;
    }
    if (b > recordCount) {
        a -= b - recordCount;
        b = recordCount;
    }
    v.from = std::max(1LL, a);
    v.to = b;
    return v;
}

}  // namespace

long long RecordAtX(const GraphLayout& g, const PlotView& v, double x) {
    const double step = PlotStep(g, v);
    if (step <= 0) return v.from;
    const long long r = v.from + std::llround((x - g.left) / step);
    return std::clamp(r, v.from, std::max(v.from, v.to));
}

PlotView ZoomToRect(const GraphLayout& g, const PlotView& v, const QRectF& rect,
                    long long recordCount) {
    const QRectF r = rect.normalized();
    if (recordCount < 2 || v.count() < 1 || g.height <= 0) return v;
    PlotView out = v;
    out.zoomed = true;
    if (r.width() >= 3) {
        const long long a = RecordAtX(g, v, r.left()), b = RecordAtX(g, v, r.right());
        out = WithRecords(out, double(a), double(b), recordCount);
    }
    if (r.height() >= 3) {
        const AxisScale& s = v.scale;
        out.scale.tempMax = ValueAt(g, s.tempMin, s.tempMax, r.top());
        out.scale.tempMin = ValueAt(g, s.tempMin, s.tempMax, r.bottom());
        out.scale.windMax = ValueAt(g, s.windMin, s.windMax, r.top());
        out.scale.windMin = ValueAt(g, s.windMin, s.windMax, r.bottom());
    }
    return out;
}

PlotView ZoomAround(const GraphLayout& g, const PlotView& v, QPointF at, double factor,
                    long long recordCount) {
    if (recordCount < 2 || v.count() < 1 || g.height <= 0 || !(factor > 0)) return v;
    PlotView out = v;
    out.zoomed = true;
    // The record under the pointer stays under it: the new count sets the step, and the
    // first record is as many steps left of the pointer as it takes.
    const long long pivot = RecordAtX(g, v, at.x());
    const long long count = std::clamp(std::llround(double(v.count()) * factor), 2LL, recordCount);
    const double step = g.width / double(count);
    const long long from = step > 0 ? pivot - std::llround((at.x() - g.left) / step) : v.from;
    out = WithRecords(out, double(from), double(from + count - 1), recordCount);
    auto scale = [&](double& min, double& max) {
        const double c = ValueAt(g, min, max, at.y());
        const double lo = c - (c - min) * factor, hi = c + (max - c) * factor;
        if (hi - lo > 1e-6) {
            min = lo;
            max = hi;
        }
    };
    scale(out.scale.tempMin, out.scale.tempMax);
    scale(out.scale.windMin, out.scale.windMax);
    return out;
}

std::vector<ReadoutLine> CursorReadout(const TextTable& table, long long record,
                                       const ChannelFlags& flags) {
    std::vector<ReadoutLine> out;
    if (record < 1 || record > table.rowCount()) return out;
    const int row = int(record - 1);
    out.push_back(
        {QCoreApplication::translate("Graphs", "Registro: %1").arg(table.field(row, 0, 32)),
         Qt::black});
    out.push_back(
        {(table.field(row, 1, 32) + u' ' + table.field(row, 2, 32)).trimmed(), Qt::black});
    for (const ChannelInfo& c : Channels()) {
        if (!flags[size_t(c.id)] || c.column < 0) continue;
        out.push_back(
            {ShownCaption(c) + QStringLiteral(": ") + table.field(row, c.column, 32), c.colour});
    }
    return out;
}

QRectF DrawCursor(QPainter& p, QSize window, const GraphLayout& g, double x,
                  const std::vector<ReadoutLine>& lines) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setFont(GraphFont());
    p.setPen(ThinPen(Qt::black, Qt::DashLine));
    p.drawLine(QPointF(x, g.top()), QPointF(x, g.bottom));
    const QFontMetricsF fm(p.font());
    double w = 0;
    for (const ReadoutLine& l : lines) w = std::max(w, fm.horizontalAdvance(l.text));
    // Each line is dark text after a swatch of its channel's colour: the light channel colours
    // (I.C., Twc) cannot be read as text on the box.
    const double pad = 4, swatch = fm.height() * 0.6,
                 h = fm.height() * double(lines.size()) + 2 * pad;
    w += 3 * pad + swatch;
    double left = x + 8;
    if (left + w > window.width()) left = x - 8 - w;
    const QRectF box(left, g.top() + 4, w, h);
    p.setPen(ThinPen(Qt::black));
    p.setBrush(QColor(255, 255, 225));
    p.drawRect(box);
    double y = box.top() + pad;
    for (const ReadoutLine& l : lines) {
        const QRectF mark(box.left() + pad, y + (fm.height() - swatch) / 2, swatch, swatch);
        if (l.colour != QColor(Qt::black)) p.fillRect(mark, l.colour);  // not record and time
        p.setPen(Qt::black);
        TextAt(p, mark.right() + pad, y, l.text);
        y += fm.height();
    }
    p.restore();
    return box;
}

}  // namespace montira
