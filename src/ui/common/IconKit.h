#pragma once
#include <QColor>
#include <QIcon>
#include <QPainter>
#include <QPen>
#include <QPixmap>
#include <functional>

namespace montira::icons {

// The palette and the pen of every drawn image (toolbars, list windows, meter keys).
inline const QColor kInk(40, 44, 52);
inline const QColor kBlue(38, 104, 178);
inline const QColor kRed(196, 40, 40);
inline const QColor kGreen(46, 140, 74);
inline const QColor kAmber(230, 168, 40);
inline const QColor kPaper(250, 250, 246);

inline QPen Pen(const QColor& c, double w = 1.6) {
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

using Drawing = std::function<void(QPainter&)>;

// An image drawn on a `width` x `height` grid, rendered at 1x and 2x that size.
inline QIcon Render(const Drawing& draw, int width = 24, int height = 24) {
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pm(width * scale, height * scale);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(scale, scale);
        draw(p);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

}  // namespace montira::icons
