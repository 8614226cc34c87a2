#pragma once
#include <QFrame>
#include <functional>

namespace montira {

// A sunken 3-D panel that can show a flood (fill) percentage from the left, in the "used"
// colour over the "free" one, with the percentage written in its middle. Panels without a
// flood just show their colour. A click calls onClicked.
class FloodPanel : public QFrame {
public:
    explicit FloodPanel(QWidget* parent = nullptr);

    void setFloodPercent(double percent);  // clamped to 0..100; negative hides the flood
    double floodPercent() const { return percent_; }
    void setFillColor(const QColor& c);
    QString percentText() const;

    std::function<void()> onClicked;

    static QColor usedColor();
    static QColor freeColor();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    double percent_ = -1;
    QColor fill_;
};

}  // namespace montira
