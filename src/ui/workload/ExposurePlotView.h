#pragma once
#include <QWidget>

#include "core/workload/ExposureReport.h"

namespace montira::ui {

// The evaluation window's plot: the report's WBGT, levels and hour, redrawn on update().
class ExposurePlotView : public QWidget {
public:
    ExposurePlotView(const exposure::ExposureReport& report, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {640, 260}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const exposure::ExposureReport& report_;
};

}  // namespace montira::ui
