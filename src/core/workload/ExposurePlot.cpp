#include "core/workload/ExposurePlot.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "core/workload/ReportFormat.h"

namespace montira::exposure {

namespace {

const QColor kLine(20, 70, 160), kLimit(200, 30, 30), kAction(220, 140, 0),
    kShade(255, 210, 90, 110);

// A round step for about `want` grid lines over `span`.
double NiceStep(double span, int want) {
    const double raw = span / std::max(1, want);
    const double mag = std::pow(10, std::floor(std::log10(raw)));
    for (double f : {1.0, 2.0, 5.0, 10.0})
        if (raw <= f * mag) return f * mag;
    return 10 * mag;
}

}  // namespace

void DrawExposurePlot(QPainter& p, const QRectF& area, const WbgtSeries& s, const SeriesRuns& runs,
                      const ExposureHour& hour, const std::optional<PlotLevels>& levels,
                      const QString& indexName) {
    p.save();
    const QFontMetricsF fm(p.font(), p.device());
    const double lh = fm.height();
    const QRectF plot = area.adjusted(fm.horizontalAdvance(QStringLiteral("000.0 ")), lh * 1.5,
                                      -lh * 0.5, -lh * 1.6);
    p.setPen(QPen(Qt::black, 0));
    p.drawRect(plot);
    if (s.size() == 0) {
        p.drawText(plot, Qt::AlignCenter, QCoreApplication::translate("Exposure", "sem leituras"));
        p.restore();
        return;
    }
    // Ranges.
    const qint64 t0 = *std::min_element(s.ticks.begin(), s.ticks.end());
    const qint64 t1 =
        std::max(*std::max_element(s.ticks.begin(), s.ticks.end()) + runs.typical, t0 + 1);
    const auto [lo, hi] = std::minmax_element(s.milli.begin(), s.milli.end());
    double y0 = s.celsius(*lo), y1 = s.celsius(*hi);
    if (levels) {
        y0 = std::min({y0, levels->limit, levels->actionLevel});
        y1 = std::max({y1, levels->limit, levels->actionLevel});
    }
    const double step = NiceStep(std::max(y1 - y0, 1.0), 6);
    y0 = std::floor(y0 / step) * step - step;
    y1 = std::ceil(y1 / step) * step + step;
    auto X = [&](qint64 t) {
        return plot.left() + plot.width() * double(t - t0) / double(t1 - t0);
    };
    auto Y = [&](double c) { return plot.bottom() - plot.height() * (c - y0) / (y1 - y0); };

    // Grid and value labels.
    p.setPen(QPen(QColor(210, 210, 210), 0));
    for (double y = y0; y <= y1 + step / 2; y += step) {
        p.drawLine(QPointF(plot.left(), Y(y)), QPointF(plot.right(), Y(y)));
        p.save();
        p.setPen(Qt::black);
        p.drawText(QRectF(area.left(), Y(y) - lh / 2, plot.left() - area.left() - lh * 0.2, lh),
                   Qt::AlignRight | Qt::AlignVCenter, ReportNumber(y, step < 1 ? 1 : 0));
        p.restore();
    }
    // The hour.
    if (hour.valid())
        p.fillRect(QRectF(QPointF(X(hour.start), plot.top()), QPointF(X(hour.end), plot.bottom())),
                   kShade);
    // The series: per run, per horizontal step, the lowest and highest value.
    p.setClipRect(plot);
    p.setPen(QPen(kLine, std::max(1.0, lh / 12)));
    const double columns = std::max(1.0, plot.width() / std::max(1.0, lh / 8));
    for (const auto& run : runs.runs) {
        QPainterPath path;
        int bucket = -1;
        double bmin = 0, bmax = 0, bfirst = 0, blast = 0, bx = 0;
        // Each step: across at the last value of the step before, down or up to the first
        // value of this one, then over the span of its values.
        auto flush = [&] {
            if (bucket < 0) return;
            if (path.elementCount() == 0)
                path.moveTo(bx, Y(bfirst));
            else
                path.lineTo(bx, path.currentPosition().y());
            path.lineTo(bx, Y(bfirst));
            if (bmax != bmin) {
                path.lineTo(bx, Y(bmin));
                path.lineTo(bx, Y(bmax));
            }
            path.lineTo(bx, Y(blast));
        };
        for (int k = run.first; k <= run.second; ++k) {
            const double x = X(s.ticks[size_t(k)]);
            const int b = int((x - plot.left()) / plot.width() * columns);
            const double v = s.celsius(s.milli[size_t(k)]);
            if (b != bucket) {
                flush();
                bucket = b;
                bmin = bmax = bfirst = v;
                bx = x;
            } else {
                bmin = std::min(bmin, v);
                bmax = std::max(bmax, v);
            }
            blast = v;
        }
        flush();
        path.lineTo(X(s.ticks[size_t(run.second)] + runs.typical), path.currentPosition().y());
        p.drawPath(path);
    }
    if (levels) {
        p.setPen(QPen(kLimit, std::max(1.0, lh / 10), Qt::SolidLine));
        p.drawLine(QPointF(plot.left(), Y(levels->limit)), QPointF(plot.right(), Y(levels->limit)));
        p.setPen(QPen(kAction, std::max(1.0, lh / 10), Qt::DashLine));
        p.drawLine(QPointF(plot.left(), Y(levels->actionLevel)),
                   QPointF(plot.right(), Y(levels->actionLevel)));
    }
    p.setClipping(false);
    // Time labels and legend.
    p.setPen(Qt::black);
    const QRectF below(plot.left(), plot.bottom() + lh * 0.2, plot.width(), lh);
    p.drawText(below, Qt::AlignLeft | Qt::AlignTop, ReportStamp(t0));
    p.drawText(below, Qt::AlignRight | Qt::AlignTop, ReportStamp(t1));
    double x = plot.left();
    auto legend = [&](const QColor& c, Qt::PenStyle style, const QString& text, bool box) {
        const double y = area.top() + lh * 0.6;
        if (box)
            p.fillRect(QRectF(x, y - lh * 0.35, lh * 1.5, lh * 0.7), c);
        else {
            p.setPen(QPen(c, std::max(1.0, lh / 10), style));
            p.drawLine(QPointF(x, y), QPointF(x + lh * 1.5, y));
        }
        p.setPen(Qt::black);
        p.drawText(QPointF(x + lh * 1.8, y + fm.ascent() / 2 - fm.descent() / 2), text);
        x += lh * 2.6 + fm.horizontalAdvance(text);
    };
    legend(kLine, Qt::SolidLine, indexName + QStringLiteral(" (°C)"), false);
    if (levels) {
        legend(kLimit, Qt::SolidLine,
               QCoreApplication::translate("Exposure", "Limite de exposição"), false);
        legend(kAction, Qt::DashLine, QCoreApplication::translate("Exposure", "Nível de ação"),
               false);
    }
    if (hour.valid())
        legend(kShade, Qt::SolidLine, QCoreApplication::translate("Exposure", "Hora avaliada"),
               true);
    p.restore();
}

}  // namespace montira::exposure
