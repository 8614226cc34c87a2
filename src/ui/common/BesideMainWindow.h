#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace montira {

// Where a window of frame size `frame` goes beside the main window (frame `mainFrame`) on a
// screen whose free area is `screen`: its left edge at the main window's right edge, level
// with its top, as long as it fits; otherwise moved left (and up) just enough to stay on the
// screen, never past its left (or top) edge.
QPoint BesideMainWindow(const QRect& mainFrame, const QSize& frame, const QRect& screen);

// Moves `w` there, beside `mainWindow` on the main window's screen. Before `w` is shown its
// frame is taken to have the main window's borders.
void PlaceBesideMainWindow(QWidget* w, const QWidget* mainWindow);

}  // namespace montira
