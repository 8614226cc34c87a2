#pragma once
// Pixel probes on a drawn graph image.
#include <QColor>
#include <QImage>
#include <QRect>

namespace montira::test {

inline QImage Canvas(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::magenta);
    return img;
}

// Pixels of `colour` inside `r`.
inline int CountColour(const QImage& img, const QRect& r, QColor colour) {
    int n = 0;
    const QRect c = r.intersected(img.rect());
    for (int y = c.top(); y <= c.bottom(); ++y)
        for (int x = c.left(); x <= c.right(); ++x)
            if (img.pixelColor(x, y).rgb() == colour.rgb()) ++n;
    return n;
}

// Pixels that are dark (text or axis ink) inside `r`.
inline int CountDark(const QImage& img, const QRect& r) {
    int n = 0;
    const QRect c = r.intersected(img.rect());
    for (int y = c.top(); y <= c.bottom(); ++y)
        for (int x = c.left(); x <= c.right(); ++x)
            if (qGray(img.pixel(x, y)) < 100) ++n;
    return n;
}

}  // namespace montira::test
