#pragma once
#include <QColor>
#include <QFont>
#include <QPen>
#include <QString>

#include "core/graphs/GraphGeometry.h"

class QPainter;

namespace montira {

// The grid colour: light grey, index 7 of the 16-colour palette.
inline QColor GridColour() {
    return QColor(192, 192, 192);
}
// The window's own background, outside the white plot area.
inline QColor WindowBackground() {
    return QColor(240, 240, 240);
}
// The air-speed labels' colour.
inline QColor WindColour() {
    return QColor(150, 0, 150);
}
QFont GraphFont();
// A one-pixel line whatever the painter's scale (the fast path for dotted lines too).
QPen ThinPen(const QColor& colour, Qt::PenStyle style = Qt::SolidLine);

// The scale pairs the axis shows, and whether its captions are °C and m/s or °F and ft/m.
struct AxisScale {
    double tempMin = -20, tempMax = 130, windMin = 0, windMax = 30;
    bool celsius = true;
};

// The static drawing of a graph window: the window cleared, the axes, the ticks, the nine
// labels of each scale, the unit captions, the white plot area and the legend.
void DrawGraphFrame(QPainter& p, QSize window, const GraphLayout& g, const AxisScale& scale);

// The horizontal grid: a line at every eighth of the height, the middle one solid, the
// others dotted.
void DrawHorizontalGrid(QPainter& p, const GraphLayout& g);

// Text with its top-left corner at (x, y).
void TextAt(QPainter& p, double x, double y, const QString& text);

}  // namespace montira
