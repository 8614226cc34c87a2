#include "ui/tables/TableIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

#include "ui/common/IconKit.h"

namespace montira {

namespace {

// The toolbar's palette, drawn on a 24 x 24 grid like its images.
using icons::kAmber;
using icons::kBlue;
using icons::kGreen;
using icons::kInk;
using icons::kPaper;
using icons::kRed;
using icons::Render;

QPen Pen(const QColor& c, double w = 1.4) {
    return icons::Pen(c, w);
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
