#include "core/graphs/PlotList.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QVector>
#include <algorithm>
#include <cmath>
#include <limits>

#include "core/meter/Reading.h"

namespace montira {

PlotView FullView(const PlotSettings& s) {
    PlotView v;
    v.from = s.PlotFrom;
    v.to = s.PlotTo;
    v.scale.celsius = s.celsius();
    v.scale.tempMin = s.tempMin();
    v.scale.tempMax = s.tempMax();
    v.scale.windMin = s.windMin();
    v.scale.windMax = s.windMax();
    return v;
}

double PlotStep(const GraphLayout& g, const PlotView& v) {
    return v.count() > 0 ? g.width / double(v.count()) : 0;
}

double RecordX(const GraphLayout& g, const PlotView& v, long long record) {
    return g.left + double(record - v.from) * PlotStep(g, v);
}

namespace {

// Absolute y of a channel's value; NaN marks no value. Zoomed or not, a value beyond the scale
// and a "- - -" lie just outside the area, so that they stay in sight.
struct YMapper {
    const GraphLayout& g;
    double min, max;
    double operator()(float value) const {
        const bool has = !std::isnan(value);
        // Compare in the numbers' own precision, so a value typed as the maximum is on it.
        const double v = double(value);
        const double h = !has || value > float(max) ? g.height + 5
                         : value < float(min)       ? -3
                                                    : HeightAbove(true, v, min, max, g.height);
        return g.bottom - h;
    }
};

void ChannelSegments(QVector<QLineF>& out, const PlotColumns::Column& column, const PlotView& v,
                     double left, double step, const YMapper& y, PlotDetail detail) {
    const std::vector<float>& values = column.values;
    const size_t first = size_t(v.from - 1);
    const size_t n = size_t(v.count());
    if (detail == PlotDetail::EverySegment || step >= 1) {
        QPointF prev;
        for (size_t i = 0; i < n; ++i) {
            const QPointF pt(left + double(i) * step, y(values[first + i]));
            if (i > 0) out.push_back(QLineF(prev, pt));
            prev = pt;
        }
        return;
    }
    // Per pixel column: a vertical line from its lowest to its highest point, and the segment
    // from the previous column's last point to its first. The lowest and highest are kept as
    // values ("- - -" above every number) and placed once per column: the height rule only
    // ever keeps or reverses their order.
    constexpr float kAbove = std::numeric_limits<float>::infinity();
    auto rank = [](float value) { return std::isnan(value) ? kAbove : value; };
    bool havePrev = false, open = false;
    QPointF prev;
    double boundary = 0;  // where the column being gathered ends
    double gx = 0, gLastX = 0;
    float gFirst = 0, gLow = 0, gHigh = 0, gLast = 0;
    int gCount = 0;
    auto flush = [&] {
        const double first = y(gFirst);
        if (havePrev) out.push_back(QLineF(prev, QPointF(gx, first)));
        if (gCount > 1 && gHigh > gLow) {
            const double a = y(gLow), b = y(gHigh);
            if (a != b) out.push_back(QLineF(gx, a, gx, b));
        }
        prev = QPointF(gLastX, y(gLast));
        havePrev = true;
    };
    auto add = [&](double x, float first, float low, float high, double xLast, float last,
                   int count) {
        if (open && x < boundary) {
            gLow = std::min(gLow, low);
            gHigh = std::max(gHigh, high);
            gLast = last;
            gLastX = xLast;
            gCount += count;
            return;
        }
        if (open) flush();
        open = true;
        boundary = std::floor(x) + 1;
        gx = x;
        gFirst = first;
        gLow = low;
        gHigh = high;
        gLast = last;
        gLastX = xLast;
        gCount = count;
    };
    // Whole blocks are taken at once when a block lies within one pixel column: the same
    // lowest and highest points as record by record.
    const size_t block = PlotColumns::kBlock;
    const bool useBlocks =
        step * double(block) < 1 && column.blockMin.size() * block >= values.size();
    for (size_t i = 0; i < n;) {
        const size_t r = first + i;
        const double x = left + double(i) * step;
        if (useBlocks && r % block == 0 && i + block <= n &&
            std::floor(x) == std::floor(x + double(block - 1) * step)) {
            const size_t b = r / block;
            add(x, values[r], column.blockMin[b], column.blockMax[b], x + double(block - 1) * step,
                values[r + block - 1], int(block));
            i += block;
            continue;
        }
        const float v = rank(values[r]);
        add(x, values[r], v, v, x, values[r], 1);
        ++i;
    }
    if (open) flush();
}

bool ReadableTime(const QString& t) {
    return !t.trimmed().isEmpty() && !t.contains(InvalidText());
}

}  // namespace

void PlotList(QPainter& p, const GraphLayout& g, const PlotView& v, const ChannelFlags& flags,
              const TextTable& table, const PlotColumns& columns, PlotDetail detail) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setFont(GraphFont());
    DrawHorizontalGrid(p, g);
    const long long n = v.count();
    const bool valid = n > 0 && v.from >= 1 && v.to <= table.rowCount() && v.to <= columns.rows &&
                       g.width > 0 && g.height > 0;
    if (!valid) {
        p.restore();
        return;
    }
    const double step = PlotStep(g, v);
    const double top = g.top();
    const std::vector<long long> labels = PlotLabelRecords(n);
    for (long long k : PlotTickRecords(n)) {
        const double x = g.left + double(k - 1) * step;
        p.setPen(ThinPen(GridColour()));
        p.drawLine(QPointF(x, g.bottom - g.height * 3.8 / 8),
                   QPointF(x, g.bottom - g.height * 4.2 / 8));
    }
    p.setPen(ThinPen(GridColour(), Qt::DotLine));
    for (long long k : labels) {
        const double x = g.left + double(k - 1) * step;
        p.drawLine(QPointF(x, g.bottom), QPointF(x, top - 10));
    }

    QVector<QLineF> lines;
    for (const ChannelInfo& c : Channels()) {
        if (!flags[size_t(c.id)] || c.column < 0) continue;
        const YMapper y{g, c.wind ? v.scale.windMin : v.scale.tempMin,
                        c.wind ? v.scale.windMax : v.scale.tempMax};
        lines.clear();
        ChannelSegments(lines, columns.of(c), v, g.left, step, y, detail);
        p.setPen(ThinPen(c.colour));
        p.drawLines(lines);
    }

    p.setPen(Qt::black);
    const QFontMetricsF fm(p.font());
    for (long long k : labels) {
        const long long r = v.from + k - 1;
        const QString t = table.field(int(r - 1), 2, 32);
        if (!ReadableTime(t)) continue;
        double x = g.left + double(k - 1) * step - fm.horizontalAdvance(t) / 2;
        if (r == v.from || r == v.to) x -= 10;
        x = std::min(x, g.right() - fm.horizontalAdvance(t));  // the last one stays in sight
        TextAt(p, x, g.bottom + 10, t);
    }
    p.restore();
}

void DrawPlotWindow(QPainter& p, QSize window, const PlotView& v, const ChannelFlags& flags,
                    const TextTable& table, const PlotColumns& columns, PlotDetail detail) {
    const GraphLayout g = LayoutFor(window);
    DrawGraphFrame(p, window, g, v.scale);
    PlotList(p, g, v, flags, table, columns, detail);
}

}  // namespace montira
