#include "ui/memory/FloodPanel.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace montira {

FloodPanel::FloodPanel(QWidget* parent) : QFrame(parent), fill_(freeColor()) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFont(QFont(QStringLiteral("Arial"), 9, QFont::Bold));
    setCursor(Qt::PointingHandCursor);
}

QColor FloodPanel::usedColor() {
    return QColor(0x1f, 0x4e, 0xa8);
}
QColor FloodPanel::freeColor() {
    return QColor(0xf4, 0xf4, 0xf0);
}

void FloodPanel::setFloodPercent(double percent) {
    percent_ = percent < 0 ? -1 : std::min(percent, 100.0);
    update();
}

void FloodPanel::setFillColor(const QColor& c) {
    fill_ = c;
    update();
}

QString FloodPanel::percentText() const {
    if (percent_ < 0) return {};
    const qint64 h = qint64(std::floor(percent_ * 100.0 + 1e-9));  // two decimals, cut
    return QStringLiteral("%1.%2 %").arg(h / 100).arg(h % 100, 2, 10, QLatin1Char('0'));
}

void FloodPanel::paintEvent(QPaintEvent* e) {
    {
        QPainter p(this);
        const QRect r = contentsRect();
        p.fillRect(r, fill_);
        if (percent_ >= 0) {
            const int w = int(std::lround(r.width() * percent_ / 100.0));
            const QRect used(r.left(), r.top(), w, r.height());
            p.fillRect(used, usedColor());
            // The text in both colours, each clipped to its side of the fill.
            const QString t = percentText();
            p.setClipRect(used);
            p.setPen(Qt::white);
            p.drawText(r, Qt::AlignCenter, t);
            p.setClipRect(QRect(used.right() + 1, r.top(), r.width() - w, r.height()));
            p.setPen(usedColor());
            p.drawText(r, Qt::AlignCenter, t);
        }
    }
    QFrame::paintEvent(e);
}

void FloodPanel::mouseReleaseEvent(QMouseEvent* e) {
    QFrame::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && onClicked)
        onClicked();
}

}  // namespace montira
