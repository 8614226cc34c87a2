#include "ui/memory/KeyIcons.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

#include "ui/common/IconKit.h"

namespace montira {

namespace {

// The toolbar's palette and pen; every key is drawn on a 32 x 24 grid.
using icons::Drawing;
using icons::kAmber;
using icons::kBlue;
using icons::kGreen;
using icons::kInk;
using icons::kRed;
using icons::Pen;

// The key cap: a rounded, slightly shaded rubber key.
void Cap(QPainter& p, const QColor& face) {
    QLinearGradient g(0, 1, 0, 23);
    g.setColorAt(0, face.lighter(125));
    g.setColorAt(1, face.darker(115));
    p.setPen(Pen(kInk, 1.0));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 21), 5, 5);
}

void Label(QPainter& p, const QString& text, double y = 12, double size = 6.5,
           const QColor& c = kInk) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(size);
    f.setBold(true);
    p.setFont(f);
    p.setPen(c);
    p.drawText(QRectF(2, y - 6, 28, 12), Qt::AlignCenter, text);
}

void Arrow(QPainter& p, bool up) {
    p.setPen(Pen(kInk, 1.0));
    p.setBrush(kBlue);
    QPainterPath a;
    if (up) {
        a.moveTo(16, 6);
        a.lineTo(23, 17);
        a.lineTo(9, 17);
    } else {
        a.moveTo(16, 18);
        a.lineTo(23, 7);
        a.lineTo(9, 7);
    }
    a.closeSubpath();
    p.drawPath(a);
}

void ClockFace(QPainter& p) {
    p.setPen(Pen(kInk, 1.3));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 12), 7, 7);
    p.drawLine(QLineF(16, 12, 16, 7.5));
    p.drawLine(QLineF(16, 12, 19.5, 13.5));
}

void Power(QPainter& p) {
    p.setPen(Pen(kRed, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(10.5, 6.5, 11, 11), 120 * 16, 300 * 16);
    p.drawLine(QLineF(16, 5, 16, 12));
}

void Light(QPainter& p) {
    p.setPen(Pen(kInk, 1.0));
    p.setBrush(kAmber);
    p.drawEllipse(QPointF(16, 10), 4.5, 4.5);
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(QRectF(14, 14.5, 4, 3.5));
    p.setPen(Pen(kAmber, 1.2));
    for (double dx : {-8.0, 8.0}) p.drawLine(QLineF(16 + dx * 0.8, 10, 16 + dx, 10));
}

QIcon RenderKey(const Drawing& draw) {
    return icons::Render(draw, 32, 24);
}

const QColor kGrey(200, 203, 208);

}  // namespace

QIcon MeterKeyIcon(MeterKey key) {
    return RenderKey([key](QPainter& p) {
        switch (key) {
            case MeterKey::CF:
                Cap(p, kGrey);
                Label(p, QStringLiteral("°C/°F"));
                break;
            case MeterKey::Down:
                Cap(p, kGrey);
                Arrow(p, false);
                break;
            case MeterKey::Up:
                Cap(p, kGrey);
                Arrow(p, true);
                break;
            case MeterKey::Escape:
                Cap(p, kGrey);
                Label(p, QStringLiteral("ESC"));
                break;
            case MeterKey::Hold:
                Cap(p, kGrey);
                Label(p, QStringLiteral("HOLD"));
                break;
            case MeterKey::MaxMin:
                Cap(p, kGrey);
                Label(p, QStringLiteral("MAX"), 8.5, 5.5);
                Label(p, QStringLiteral("MIN"), 15.5, 5.5);
                break;
            case MeterKey::Mem:
                Cap(p, QColor(170, 200, 235));
                Label(p, QStringLiteral("MEM"));
                break;
            case MeterKey::Mode:
                Cap(p, kGrey);
                Label(p, QStringLiteral("MODE"));
                break;
            case MeterKey::Read:
                Cap(p, QColor(170, 200, 235));
                Label(p, QStringLiteral("READ"));
                break;
            case MeterKey::RunStop:
                Cap(p, QColor(180, 220, 190));
                Label(p, QStringLiteral("RUN"), 8.5, 5.5, kGreen.darker(130));
                Label(p, QStringLiteral("STOP"), 15.5, 5.5, kRed);
                break;
            case MeterKey::Time:
                Cap(p, kGrey);
                ClockFace(p);
                break;
        }
    });
}

QIcon InertKeyIcon(int index) {
    return RenderKey([index](QPainter& p) {
        Cap(p, kGrey);
        if (index == 1) Power(p);
        if (index == 3) Light(p);
    });
}

}  // namespace montira
