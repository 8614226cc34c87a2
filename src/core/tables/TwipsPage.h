#pragma once
#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

namespace montira {

// The printable area of a page measured in twips (1440 an inch, 20 a point), whatever the
// device's resolution: the painter is scaled so that one unit is one twip, and fonts are
// sized in twips, so a page at 300 or 600 dpi or in a PDF has the same layout.
class TwipsPage {
public:
    TwipsPage(QPainter& painter, QPagedPaintDevice& device) : painter_(painter), device_(device) {
        const qreal sx = qreal(device.logicalDpiX()) / 1440.0;
        const qreal sy = qreal(device.logicalDpiY()) / 1440.0;
        painter.resetTransform();
        painter.scale(sx, sy);
        width_ = qreal(device.width()) / sx;
        height_ = qreal(device.height()) / sy;
    }
    qreal width() const { return width_; }
    qreal height() const { return height_; }
    // Content `needed` twips wide that would not fit is drawn smaller, in both directions,
    // so that it just fits: from here on width() is `needed` and height() grows alike.
    // Returns the scale (1 when it fits).
    qreal shrinkToWidth(qreal needed) {
        if (!(needed > width_) || width_ <= 0) return 1;
        const qreal s = width_ / needed;
        painter_.scale(s, s);
        width_ /= s;
        height_ /= s;
        return s;
    }
    QPainter& painter() { return painter_; }
    bool newPage() { return device_.newPage(); }

    // The font at the same size in twips.
    static QFont InTwips(const QFont& f) {
        QFont t(f);
        const qreal pt = f.pointSizeF() > 0 ? f.pointSizeF() : f.pixelSize() * 0.75;
        t.setPixelSize(qMax(1, qRound(pt * 20)));
        return t;
    }
    // Text printed with its top at y (the way a printer's current position works).
    void text(qreal x, qreal top, const QString& s, const QFontMetricsF& fm) {
        painter_.drawText(QPointF(x, top + fm.ascent()), s);
    }

private:
    QPainter& painter_;
    QPagedPaintDevice& device_;
    qreal width_ = 0, height_ = 0;
};

}  // namespace montira
