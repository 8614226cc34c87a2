#include "ui/tables/TableIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace montira {

namespace {

const QColor kInk(40, 44, 52);
const QColor kBlue(38, 104, 178);
const QColor kRed(196, 40, 40);
const QColor kGreen(46, 140, 74);
const QColor kAmber(230, 168, 40);
const QColor kPaper(250, 250, 246);

// Drawn on a 24 x 24 grid, rendered at 24 and 48 pixels, like the main toolbar's images.
QIcon Render(const std::function<void(QPainter&)>& draw) {
    QIcon icon;
    for (int size : {24, 48}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 24.0, size / 24.0);
        draw(p);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

QPen Pen(const QColor& c, double w = 1.4) {
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

}  // namespace

QIcon CelFahIcon() {
    return Render([](QPainter& p) {
        QFont f;
        f.setPixelSize(10);
        f.setBold(true);
        p.setFont(f);
        p.setPen(kRed);
        p.drawText(QRectF(1, 0, 14, 12), Qt::AlignCenter, QStringLiteral("°C"));
        p.setPen(kBlue);
        p.drawText(QRectF(9, 12, 14, 12), Qt::AlignCenter, QStringLiteral("°F"));
        p.setPen(Pen(kInk, 1.2));
        p.drawLine(QLineF(4, 20, 20, 4));
    });
}

QIcon SpreadsheetIcon() {
    return Render([](QPainter& p) {
        p.setPen(Pen(kInk, 1.2));
        p.setBrush(kPaper);
        p.drawRect(QRectF(3, 3, 18, 18));
        p.setBrush(kGreen);
        p.drawRect(QRectF(3, 3, 18, 5));
        p.setPen(Pen(QColor(150, 150, 150), 0.9));
        for (double y : {12.0, 16.0}) p.drawLine(QLineF(3, y, 21, y));
        for (double x : {9.0, 15.0}) p.drawLine(QLineF(x, 8, x, 21));
    });
}

QIcon OpenFileIcon() {
    return Render([](QPainter& p) {
        p.setPen(Pen(kInk, 1.2));
        p.setBrush(kAmber);
        QPainterPath back;
        back.moveTo(2, 6);
        back.lineTo(9, 6);
        back.lineTo(11, 8);
        back.lineTo(19, 8);
        back.lineTo(19, 19);
        back.lineTo(2, 19);
        back.closeSubpath();
        p.drawPath(back);
        p.setBrush(QColor(250, 206, 100));
        QPainterPath front;
        front.moveTo(2, 19);
        front.lineTo(6, 11);
        front.lineTo(23, 11);
        front.lineTo(19, 19);
        front.closeSubpath();
        p.drawPath(front);
    });
}

}  // namespace montira
