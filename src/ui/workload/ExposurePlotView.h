#pragma once
#include <QWidget>

#include "core/workload/ExposureReport.h"

namespace montira::ui {

// The evaluation window's plot: one height's WBGT readings with its interval and, when
// known, the limit and action level.
class ExposurePlotView : public QWidget {
public:
    explicit ExposurePlotView(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {640, 260}; }
    // What to draw (none: an empty frame); the pointers must outlive the next show().
    void show(const exposure::HeightResult* height, const exposure::Evaluation* evaluation,
              exposure::WbgtIndex index);
    using QWidget::show;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const exposure::HeightResult* height_ = nullptr;
    const exposure::Evaluation* evaluation_ = nullptr;
    exposure::WbgtIndex index_ = exposure::WbgtIndex::Indoor;
};

}  // namespace montira::ui
