#include "ui/workload/ExposurePlotView.h"

#include <QPainter>

#include "core/workload/ExposurePlot.h"

namespace montira::ui {

ExposurePlotView::ExposurePlotView(const exposure::ExposureReport& report, QWidget* parent)
    : QWidget(parent), report_(report) {
    setObjectName(QStringLiteral("PlotExposure"));
    setMinimumHeight(200);
}

void ExposurePlotView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    std::optional<exposure::PlotLevels> levels;
    if (report_.evaluation)
        levels = exposure::PlotLevels{report_.evaluation->limit, report_.evaluation->actionLevel};
    exposure::DrawExposurePlot(p, QRectF(rect()).adjusted(4, 4, -4, -4), report_.series,
                               report_.runs, report_.hour, levels,
                               exposure::WbgtIndexName(report_.index));
}

}  // namespace montira::ui
