#include "core/graphs/PlotCursor.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "core/meter/Reading.h"

namespace montira {

namespace {

// Value of the temperature and wind scales at a y of the window.
double ValueAt(const GraphLayout& g, double min, double max, double y) {
    return min + (g.bottom - y) / g.height * (max - min);
}

// The nine labels of a scale lie an eighth of its span apart and show one decimal: on a span
// under 0.8 neighbours would read alike. A narrower span widens to that around `pivot`, which
// keeps its place; should the labels still repeat, the scale stays as it was.
constexpr double kNarrowestSpan = 0.8;

bool LabelsDiffer(double min, double max) {
    QString previous;
    for (int j = 0; j <= 8; ++j) {
        const QString t = LabelText(min + (max - min) * j / 8);
        if (j > 0 && t == previous) return false;
        previous = t;
    }
    return true;
}

void KeepLabelsApart(double& min, double& max, double pivot, double oldMin, double oldMax) {
    if (!(max - min >= kNarrowestSpan)) {
        const double share = max > min ? (pivot - min) / (max - min) : 0.5;
        min = pivot - share * kNarrowestSpan;
        max = min + kNarrowestSpan;
    }
    if (!LabelsDiffer(min, max)) {
        min = oldMin;
        max = oldMax;
    }
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
        auto select = [&](double oldMin, double oldMax, double& min, double& max) {
            max = ValueAt(g, oldMin, oldMax, r.top());
            min = ValueAt(g, oldMin, oldMax, r.bottom());
            KeepLabelsApart(min, max, ValueAt(g, oldMin, oldMax, r.center().y()), oldMin, oldMax);
        };
        const AxisScale& s = v.scale;
        select(s.tempMin, s.tempMax, out.scale.tempMin, out.scale.tempMax);
        select(s.windMin, s.windMax, out.scale.windMin, out.scale.windMax);
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
        double lo = c - (c - min) * factor, hi = c + (max - c) * factor;
        KeepLabelsApart(lo, hi, c, min, max);
        min = lo;
        max = hi;
    };
    scale(out.scale.tempMin, out.scale.tempMax);
    scale(out.scale.windMin, out.scale.windMax);
    return out;
}

QString ReadoutUnit(Channel c, bool celsius) {
    if (c == Channel::RH) return QStringLiteral("%");
    if (InfoOf(c).wind) return celsius ? QStringLiteral("m/s") : QStringLiteral("ft/m");
    return celsius ? QStringLiteral("°C") : QStringLiteral("°F");
}

std::vector<ReadoutLine> CursorReadout(const TextTable& table, long long record,
                                       const ChannelFlags& flags, bool celsius) {
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
        QString value = table.field(row, c.column, 32);
        if (!value.contains(InvalidText())) value += u' ' + ReadoutUnit(c.id, celsius);
        out.push_back({ShownCaption(c) + QStringLiteral(": ") + value, c.colour});
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
