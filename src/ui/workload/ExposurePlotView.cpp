#include "ui/workload/ExposurePlotView.h"

#include <QPainter>

#include "core/workload/ExposurePlot.h"

namespace montira::ui {

ExposurePlotView::ExposurePlotView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PlotExposure"));
    setMinimumHeight(200);
}

void ExposurePlotView::show(const exposure::HeightResult* height,
                            const exposure::Evaluation* evaluation, exposure::WbgtIndex index) {
    height_ = height;
    evaluation_ = evaluation;
    index_ = index;
    update();
}

void ExposurePlotView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    std::optional<exposure::PlotLevels> levels;
    if (evaluation_ && evaluation_->limit && evaluation_->actionLevel)
        levels = exposure::PlotLevels{*evaluation_->limit, *evaluation_->actionLevel};
    static const exposure::WbgtSeries kNone;
    static const exposure::SeriesRuns kNoRuns;
    exposure::DrawExposurePlot(p, QRectF(rect()).adjusted(4, 4, -4, -4),
                               height_ ? height_->series : kNone, height_ ? height_->runs : kNoRuns,
                               height_ ? height_->hour : exposure::ExposureHour(), levels,
                               exposure::WbgtIndexName(index_));
}

}  // namespace montira::ui
