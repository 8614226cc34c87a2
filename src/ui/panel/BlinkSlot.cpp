#include "ui/panel/BlinkSlot.h"

#include <QEvent>

namespace montira {

BlinkSlot::BlinkSlot(QWidget* child, QWidget* parent) : QWidget(parent), child_(child) {
    child_->setParent(this);
    // Opaque: the child's blink draws this rectangle again, never the window behind it.
    setAutoFillBackground(true);
    setSizePolicy(child_->sizePolicy());
    hint_ = child_->sizeHint().expandedTo(child_->minimumSize());
}

QSize BlinkSlot::sizeHint() const {
    return hint_;
}

QSize BlinkSlot::minimumSizeHint() const {
    return hint_;
}

bool BlinkSlot::event(QEvent* e) {
    // The child's text or font changed, or it was shown: only a new size concerns the layout.
    if (e->type() == QEvent::LayoutRequest) {
        const QSize hint = child_->sizeHint().expandedTo(child_->minimumSize());
        if (hint != hint_) {
            hint_ = hint;
            updateGeometry();
        }
        return true;
    }
    return QWidget::event(e);
}

void BlinkSlot::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    child_->setGeometry(rect());
}

}  // namespace montira
