#include "core/graphs/RealTimeChart.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "core/meter/Numbers.h"

namespace montira {

std::optional<double> ChartValue(const Reading& r, Channel c, bool celsiusMode) {
    auto valued = [](const QString& text, double v) -> std::optional<double> {
        if (text.contains(InvalidText())) return std::nullopt;
        return v;
    };
    switch (c) {
        case Channel::RH:
            return r.RH;
        case Channel::Dry:
            return valued(r.DryText, r.DryC);
        case Channel::Dew:
            return valued(r.DewText, r.DewC);
        case Channel::Wet:
            return valued(r.WetText, r.WetC);
        case Channel::HeatIndex:
            return valued(r.HeatIndexText, r.HeatIndexC);
        case Channel::Humidex:
            return valued(r.HumidexText, r.HumidexC);
        case Channel::WbgtIndoor:
            return valued(r.WbgtIndoorText, r.WbgtIndoorC);
        case Channel::WbgtOutdoor:
            return valued(r.WbgtOutdoorText, r.WbgtOutdoorC);
        case Channel::Globe:
            return valued(r.GlobeText, r.GlobeC);
        case Channel::Wind:
            return celsiusMode ? valued(r.AirSpeedText, r.AirSpeed)
                               : valued(r.AirSpeedTextFtMin, r.AirSpeedFtMin);
        case Channel::WindChill:
            return valued(r.WindChillText, LeadingNumber(r.WindChillText));
    }
    return std::nullopt;
}

AxisScale ChartAxis(const ChartSettings& s) {
    AxisScale a;
    a.celsius = s.ChartCelsius;
    a.tempMin = s.ChartCelsius ? s.ChartTempMinC : s.ChartTempMinF;
    a.tempMax = s.ChartCelsius ? s.ChartTempMaxC : s.ChartTempMaxF;
    a.windMin = s.ChartCelsius ? s.ChartWindMinMs : s.ChartWindMinFtm;
    a.windMax = s.ChartCelsius ? s.ChartWindMaxMs : s.ChartWindMaxFtm;
    return a;
}

namespace {

// The pen's advance: a step that is not above 0 (settings made without a chart area) moves one
// pixel, so that the chart never stands still.
double PenStep(const ChartSettings& s) {
    return s.ChartStep > 0 ? s.ChartStep : 1;
}

}  // namespace

void RealTimeChart::layout(QPainter& p, QSize size, const ChartSettings& s) {
    g_ = LayoutFor(size);
    DrawGraphFrame(p, size, g_, ChartAxis(s));
    lastX_ = 0;
    x_ = -PenStep(s);
}

QRect RealTimeChart::tick(QPainter& p, const ChartSettings& s, const Reading& r, bool celsiusMode,
                          const QTime& now) {
    x_ += PenStep(s);
    if (x_ >= g_.width) x_ = 0;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setFont(GraphFont());
    const double top = g_.top();
    QRectF dirty;
    if (x_ == 0) {
        dirty = QRectF(0, top - 12, g_.right() + 40, g_.height + 40);
        p.fillRect(QRectF(g_.left, top, g_.width, g_.height), Qt::white);
        // The margins where values beyond the scale and the time lines were drawn go too, so
        // that nothing of the last sweep is left.
        p.fillRect(QRectF(g_.left, top - 10, g_.width + 1, 10), WindowBackground());
        p.fillRect(QRectF(g_.left, g_.bottom + 1, g_.width + 1, 4), WindowBackground());
        p.fillRect(QRectF(g_.left - 40, g_.bottom + 8, g_.width + 80, 16), WindowBackground());
        DrawHorizontalGrid(p, g_);
    }
    const double penX = g_.left + x_;
    for (const ChannelInfo& c : Channels()) {
        if (!s.flags[size_t(c.id)]) continue;
        const std::optional<double> v = ChartValue(r, c.id, celsiusMode);
        double min = s.ChartTempMinC, max = s.ChartTempMaxC;
        if (c.id == Channel::RH) {
            min = s.ChartRhMin;
            max = s.ChartRhMax;
        } else if (c.wind) {
            min = celsiusMode ? s.ChartWindMinMs : s.ChartWindMinFtm;
            max = celsiusMode ? s.ChartWindMaxMs : s.ChartWindMaxFtm;
        }
        const double y = g_.bottom - HeightAbove(v.has_value(), v.value_or(0), min, max, g_.height);
        double& last = lastY_[size_t(c.id)];
        if (lastX_ != 0 && x_ != 0) {
            p.setPen(ThinPen(c.colour));
            p.drawLine(QPointF(lastX_, last), QPointF(penX, y));
        }
        last = y;
    }
    dirty |= QRectF(lastX_ - 1, top - 12, penX - lastX_ + 3, g_.height + 20);
    lastX_ = penX;

    const long long x = std::llround(x_);
    if (x % 60 == 0) {
        p.setPen(ThinPen(GridColour(), Qt::DotLine));
        p.drawLine(QPointF(g_.left + x, g_.bottom), QPointF(g_.left + x, top - 10));
        const QString t = now.toString(QStringLiteral("HH:mm:ss"));
        const double w = QFontMetricsF(p.font()).horizontalAdvance(t);
        const QRectF box(g_.left + x - w / 2, g_.bottom + 10, w, 10);
        p.fillRect(box, Qt::white);
        p.setPen(Qt::black);
        TextAt(p, g_.left + x - w / 2, g_.bottom + 10, t);
        dirty |= box.adjusted(-2, -2, 2, 12);
    } else if (x % 30 == 0) {
        p.setPen(ThinPen(GridColour()));
        p.drawLine(QPointF(g_.left + x, g_.bottom - g_.height * 3.8 / 8),
                   QPointF(g_.left + x, g_.bottom - g_.height * 4.2 / 8));
    }
    p.restore();
    return dirty.toAlignedRect();
}

}  // namespace montira
