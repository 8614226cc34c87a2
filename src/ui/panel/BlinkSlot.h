#pragma once
#include <QSize>
#include <QWidget>

namespace montira {

// A place in a layout for one widget that is shown and hidden often (the blinking
// "Sem comunicação"). The slot has no layout of its own, so showing or hiding the widget lays
// out nothing; the slot keeps the widget's size hint, hidden or not, and asks its layout again
// only when that hint changes (a new caption).
class BlinkSlot : public QWidget {
public:
    BlinkSlot(QWidget* child, QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    QWidget* child_;
    QSize hint_;
};

}  // namespace montira
