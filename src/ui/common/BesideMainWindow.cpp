#include "ui/common/BesideMainWindow.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace montira {

QPoint BesideMainWindow(const QRect& mainFrame, const QSize& frame, const QRect& screen) {
    QPoint at(mainFrame.left() + mainFrame.width(), mainFrame.top());
    if (screen.isEmpty()) return at;
    at.setX(std::max(screen.left(), std::min(at.x(), screen.right() + 1 - frame.width())));
    at.setY(std::max(screen.top(), std::min(at.y(), screen.bottom() + 1 - frame.height())));
    return at;
}

void PlaceBesideMainWindow(QWidget* w, const QWidget* mainWindow) {
    if (!w || !mainWindow) return;
    const QRect mainFrame = mainWindow->frameGeometry();
    QSize frame = w->frameGeometry().size();
    if (!w->isVisible() || frame == w->size()) {
        // Not shown yet: no borders of its own. Those of the main window stand for them.
        const QSize borders = mainFrame.size() - mainWindow->geometry().size();
        frame = w->size() + borders;
    }
    const QScreen* screen = mainWindow->screen();
    const QRect free = screen ? screen->availableGeometry() : QRect();
    const QPoint at = BesideMainWindow(mainFrame, frame, free);
    // move() places the frame's top left corner.
    w->move(at);
}

}  // namespace montira
