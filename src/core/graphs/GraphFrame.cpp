#include "core/graphs/GraphFrame.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "core/graphs/Channels.h"

namespace montira {

QFont GraphFont() {
    QFont f(QStringLiteral("Times New Roman"));
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(12);
    return f;
}

QPen ThinPen(const QColor& colour, Qt::PenStyle style) {
    QPen pen(colour, 1, style);
    pen.setCosmetic(true);
    return pen;
}

void TextAt(QPainter& p, double x, double y, const QString& text) {
    p.drawText(QPointF(x, y + QFontMetricsF(p.font()).ascent()), text);
}

void DrawGraphFrame(QPainter& p, QSize window, const GraphLayout& g, const AxisScale& s) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setFont(GraphFont());
    p.fillRect(QRect(QPoint(0, 0), window), WindowBackground());
    const double top = g.top();

    p.setPen(QPen(Qt::black, 2));
    p.drawLine(QPointF(78, g.bottom + 5), QPointF(78, top - 5));
    p.drawLine(QPointF(78, g.bottom + 6), QPointF(g.right() + 2, g.bottom + 6));

    p.setPen(ThinPen(Qt::black));
    for (int i = 0; i <= 16; ++i) {
        const double y = g.bottom - g.height * i / 16;
        p.drawLine(QPointF(78, y), QPointF(i % 2 == 0 ? 70 : 73, y));
    }

    const QFontMetricsF fm(p.font());
    for (int j = 0; j <= 8; ++j) {
        const double y = g.bottom - g.height * j / 8 - fm.height() / 2;
        const QString t = LabelText(s.tempMin + (s.tempMax - s.tempMin) * j / 8);
        const QString w = LabelText(s.windMin + (s.windMax - s.windMin) * j / 8);
        // Left of the axis, a quarter of each label's width further left; a wide air-speed
        // label ("6000.0") stops at the window's edge.
        p.setPen(Qt::black);
        TextAt(p, std::max(0.0, 48 - fm.horizontalAdvance(t) / 4), y, t);
        p.setPen(WindColour());
        TextAt(p, std::max(0.0, 6 - fm.horizontalAdvance(w) / 4), y, w);
    }
    p.setPen(Qt::black);
    TextAt(p, 50, top - 25, s.celsius ? QStringLiteral("ºC") : QStringLiteral("°F"));
    p.setPen(WindColour());
    TextAt(p, 10, top - 25, s.celsius ? QStringLiteral("m/s") : QStringLiteral("ft/m"));

    p.fillRect(QRectF(g.left, top, g.width, g.height), Qt::white);

    for (const ChannelInfo& c : Channels()) {
        if (!c.legend) continue;
        p.setPen(c.colour);
        TextAt(p, c.legendX, c.legendRow == 0 ? top - 40 : top - 25, ShownCaption(c));
    }
    p.restore();
}

void DrawHorizontalGrid(QPainter& p, const GraphLayout& g) {
    p.save();
    for (int j = 0; j <= 8; ++j) {
        const double y = g.bottom - g.height * j / 8;
        p.setPen(ThinPen(GridColour(), j == 4 ? Qt::SolidLine : Qt::DotLine));
        p.drawLine(QPointF(g.left, y), QPointF(g.right(), y));
    }
    p.restore();
}

}  // namespace montira
