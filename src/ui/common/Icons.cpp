#include "ui/common/Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QtMath>
#include <functional>

#include "ui/common/IconKit.h"

namespace montira {

namespace {

using namespace icons;  // palette, Pen, Render: images drawn on a 24 x 24 grid

void Save(QPainter& p) {  // a diskette
    p.setPen(Pen(kInk, 1.2));
    p.setBrush(kBlue);
    QPainterPath body;
    body.moveTo(3, 3);
    body.lineTo(18, 3);
    body.lineTo(21, 6);
    body.lineTo(21, 21);
    body.lineTo(3, 21);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(kPaper);
    p.drawRect(QRectF(6, 12, 12, 9));
    p.setBrush(QColor(200, 210, 222));
    p.drawRect(QRectF(7, 3, 9, 6));
    p.setBrush(kInk);
    p.drawRect(QRectF(13, 4, 2, 4));
    p.setPen(Pen(QColor(160, 160, 160), 1));
    p.drawLine(QLineF(8, 15, 16, 15));
    p.drawLine(QLineF(8, 18, 16, 18));
}

void Open(QPainter& p) {  // an open folder
    p.setPen(Pen(kInk, 1.2));
    p.setBrush(QColor(214, 150, 30));
    QPainterPath back;
    back.moveTo(2, 6);
    back.lineTo(9, 6);
    back.lineTo(11, 8);
    back.lineTo(20, 8);
    back.lineTo(20, 19);
    back.lineTo(2, 19);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(kAmber);
    QPainterPath flap;
    flap.moveTo(5, 11);
    flap.lineTo(23, 11);
    flap.lineTo(20, 19);
    flap.lineTo(2, 19);
    flap.closeSubpath();
    p.drawPath(flap);
}

void List(QPainter& p) {  // a sheet of rows
    p.setPen(Pen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawRect(QRectF(4, 2.5, 16, 19));
    p.setBrush(kBlue);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(4.6, 3.1, 14.8, 3.4));
    p.setPen(Pen(QColor(110, 118, 130), 1.2));
    for (double y = 9.5; y < 20; y += 3) {
        p.drawLine(QLineF(7, y, 10, y));
        p.drawLine(QLineF(12, y, 17, y));
    }
}

void Graph(QPainter& p) {  // axes and a trace
    p.setPen(Pen(kInk, 1.4));
    p.drawLine(QLineF(3, 3, 3, 21));
    p.drawLine(QLineF(3, 21, 21, 21));
    p.setPen(Pen(kRed, 1.8));
    const QPointF pts[] = {{4, 16}, {8, 11}, {11, 14}, {15, 6}, {18, 10}, {21, 7}};
    p.drawPolyline(pts, 6);
    p.setPen(Pen(kBlue, 1.4));
    const QPointF low[] = {{4, 19}, {9, 17}, {13, 18}, {17, 15}, {21, 16}};
    p.drawPolyline(low, 5);
}

void ClockFace(QPainter& p, const QRectF& r) {
    p.setPen(Pen(kInk, 1.4));
    p.setBrush(kPaper);
    p.drawEllipse(r);
    const QPointF c = r.center();
    const double rad = r.width() / 2;
    p.setPen(Pen(kInk, 1));
    for (int i = 0; i < 12; i += 3) {
        const double a = i * M_PI / 6;
        p.drawLine(QLineF(c.x() + std::sin(a) * (rad - 2.2), c.y() - std::cos(a) * (rad - 2.2),
                          c.x() + std::sin(a) * (rad - 0.8), c.y() - std::cos(a) * (rad - 0.8)));
    }
}

void Sample(QPainter& p) {  // a stopwatch
    p.setPen(Pen(kInk, 1.6));
    p.drawLine(QLineF(12, 2.5, 12, 4.5));
    p.drawLine(QLineF(10, 2.5, 14, 2.5));
    p.drawLine(QLineF(18.5, 5.5, 19.8, 4.2));
    ClockFace(p, QRectF(3.5, 5, 17, 17));
    p.setPen(Pen(kRed, 1.8));
    p.drawLine(QLineF(12, 13.5, 16, 9.5));
}

void Unit(QPainter& p) {  // °C / °F
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(10);
    f.setBold(true);
    p.setFont(f);
    p.setPen(kBlue);
    p.drawText(QRectF(0, 1, 14, 12), Qt::AlignCenter, QStringLiteral("°C"));
    p.setPen(kRed);
    p.drawText(QRectF(10, 11, 14, 12), Qt::AlignCenter, QStringLiteral("°F"));
    p.setPen(Pen(kInk, 1.2));
    p.drawLine(QLineF(5, 21, 19, 3));
}

void PowerOff(QPainter& p) {  // the power symbol
    p.setPen(Pen(kRed, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(4, 5, 16, 16), 120 * 16, -240 * 16);
    p.drawLine(QLineF(12, 3, 12, 12));
}

void Memory(QPainter& p) {  // a memory chip
    p.setPen(Pen(kInk, 1.2));
    for (double x = 7; x <= 17; x += 3.3) {
        p.drawLine(QLineF(x, 2.5, x, 5.5));
        p.drawLine(QLineF(x, 18.5, x, 21.5));
    }
    p.setBrush(QColor(58, 64, 74));
    p.drawRoundedRect(QRectF(4, 5.5, 16, 13), 1.5, 1.5);
    p.setPen(Pen(kGreen, 1.4));
    p.drawLine(QLineF(7, 12, 17, 12));
    p.setBrush(kPaper);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(6, 7, 2.2, 2.2));
}

void SetTime(QPainter& p) {  // a clock with an arrow turning it
    ClockFace(p, QRectF(2.5, 2.5, 16, 16));
    p.setPen(Pen(kInk, 1.6));
    p.drawLine(QLineF(10.5, 10.5, 10.5, 6));
    p.drawLine(QLineF(10.5, 10.5, 14, 12));
    p.setPen(Pen(kGreen, 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(11, 11, 11, 11), 200 * 16, 220 * 16);
    p.setBrush(kGreen);
    p.setPen(Qt::NoPen);
    const QPointF head[] = {{19.5, 21.5}, {23, 18.5}, {18, 17.5}};
    p.drawPolygon(head, 3);
}

void Environment(QPainter& p) {  // the sun over a hard hat
    p.setPen(Pen(kAmber, 1.5));
    const QPointF c(16.5, 7);
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        p.drawLine(QLineF(c.x() + std::cos(a) * 4.4, c.y() + std::sin(a) * 4.4,
                          c.x() + std::cos(a) * 6.2, c.y() + std::sin(a) * 6.2));
    }
    p.setBrush(kAmber);
    p.drawEllipse(c, 3.2, 3.2);
    p.setPen(Pen(kInk, 1.2));
    p.setBrush(QColor(240, 200, 30));
    QPainterPath hat;
    hat.moveTo(3, 19);
    hat.cubicTo(3, 10, 15, 10, 15, 19);
    hat.closeSubpath();
    p.drawPath(hat);
    p.drawRoundedRect(QRectF(1.5, 18.5, 16, 3), 1.2, 1.2);
}

void Keypad(QPainter& p) {  // the meter's keypad
    p.setPen(Pen(kInk, 1.2));
    p.setBrush(QColor(70, 76, 88));
    p.drawRoundedRect(QRectF(4, 2, 16, 20), 2.5, 2.5);
    p.setBrush(QColor(170, 210, 170));
    p.drawRect(QRectF(6.5, 4, 11, 4.5));
    p.setPen(Qt::NoPen);
    p.setBrush(kPaper);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) p.drawEllipse(QRectF(6.5 + c * 4, 10.5 + r * 3.8, 2.8, 2.4));
}

void StopRecording(QPainter& p) {  // red stop in a ring
    p.setPen(Pen(kRed, 1.8));
    p.setBrush(QColor(255, 236, 236));
    p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawRect(QRectF(8, 8, 8, 8));
}

void AddText(QPainter& p) {  // a name tag
    p.setPen(Pen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(2.5, 5, 19, 14), 2, 2);
    p.setBrush(kBlue);
    p.drawRect(QRectF(2.5, 5, 19, 3.5));
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(8);
    f.setBold(true);
    p.setFont(f);
    p.setPen(kInk);
    p.drawText(QRectF(3, 9, 9, 9), Qt::AlignCenter, QStringLiteral("A"));
    p.setPen(Pen(QColor(110, 118, 130), 1.2));
    p.drawLine(QLineF(12, 12, 19, 12));
    p.drawLine(QLineF(12, 15.5, 17, 15.5));
}

void Erase(QPainter& p) {  // a waste bin
    p.setPen(Pen(kInk, 1.2));
    p.setBrush(QColor(190, 196, 204));
    QPainterPath bin;
    bin.moveTo(6, 7);
    bin.lineTo(18, 7);
    bin.lineTo(16.5, 21.5);
    bin.lineTo(7.5, 21.5);
    bin.closeSubpath();
    p.drawPath(bin);
    p.drawLine(QLineF(4, 5.5, 20, 5.5));
    p.drawLine(QLineF(10, 5.5, 10.5, 3));
    p.drawLine(QLineF(10.5, 3, 13.5, 3));
    p.drawLine(QLineF(13.5, 3, 14, 5.5));
    p.setPen(Pen(kRed, 1.4));
    p.drawLine(QLineF(9.5, 10.5, 14.5, 18));
    p.drawLine(QLineF(14.5, 10.5, 9.5, 18));
}

void Printer(QPainter& p) {
    p.setPen(Pen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawRect(QRectF(7, 2.5, 10, 7));
    p.setBrush(QColor(120, 128, 140));
    p.drawRoundedRect(QRectF(2.5, 9, 19, 8.5), 1.5, 1.5);
    p.setBrush(kPaper);
    p.drawRect(QRectF(7, 14, 10, 7.5));
    p.setPen(Pen(QColor(110, 118, 130), 1));
    p.drawLine(QLineF(9, 17, 15, 17));
    p.drawLine(QLineF(9, 19.2, 14, 19.2));
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(QRectF(17.5, 11, 2, 2));
}

}  // namespace

QIcon ToolbarIcon(int image) {
    static const Drawing drawings[] = {Save,   Open,          List,    Graph,   Sample,
                                       Unit,   PowerOff,      Memory,  SetTime, Environment,
                                       Keypad, StopRecording, AddText, Erase};
    if (image < 1 || image > int(std::size(drawings))) return QIcon();
    return Render(drawings[image - 1]);
}

QIcon PrintIcon() {
    return Render(Printer);
}

}  // namespace montira
