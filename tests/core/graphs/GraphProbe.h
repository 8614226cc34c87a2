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

// Points (x, y) inside `r` and inside `img` for which `pick` holds.
template <typename Pick>
int CountPixels(const QImage& img, const QRect& r, Pick pick) {
    int n = 0;
    const QRect c = r.intersected(img.rect());
    for (int y = c.top(); y <= c.bottom(); ++y)
        for (int x = c.left(); x <= c.right(); ++x) n += pick(x, y) ? 1 : 0;
    return n;
}

inline int CountColour(const QImage& img, const QRect& r, QColor colour) {
    return CountPixels(img, r, [&](int x, int y) { return img.pixel(x, y) == colour.rgb(); });
}

// Pixels that are dark (text or axis ink).
inline int CountDark(const QImage& img, const QRect& r) {
    return CountPixels(img, r, [&](int x, int y) { return qGray(img.pixel(x, y)) < 100; });
}

}  // namespace montira::test
