#include "ui/workload/OpenHeatStrain.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "core/workload/HourClimate.h"
#include "ui/tables/TableModel.h"
#include "ui/workload/HeatStrain.h"

namespace montira {

void OpenHeatStrain(QWidget* from, const QStringList& heading, const TextTable& rows,
                    const exposure::WbgtSeries& series, const exposure::ExposureHour& hour,
                    const HeaderTexts& header) {
    auto* w = new ui::HeatStrain(from);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setHeader(header);
    if (const auto c = heatstrain::HourClimate(heading, rows, series, hour))
        w->setClimate(
            c->ta, c->tg, c->va, c->rh,
            QCoreApplication::translate("OpenHeatStrain", "Médias da hora de %1 a %2 (%3 leituras)")
                .arg(exposure::StampText(hour.start), exposure::StampText(hour.end))
                .arg(c->readings));
    w->show();
    w->raise();
}

void OpenHeatStrain(QWidget* from, const TableModel& table, const HeaderTexts& header) {
    const exposure::WbgtSeries s =
        exposure::ReadWbgtSeries(table.heading(), table.rows(), exposure::WbgtIndex::Indoor);
    OpenHeatStrain(from, table.heading(), table.rows(), s, exposure::WorstHour(s), header);
}

QIcon HeatStrainIcon() {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(200, 0, 0));
    p.setPen(QPen(QColor(120, 0, 0), 1));
    p.drawRoundedRect(QRectF(5, 2, 6, 20), 3, 3);
    p.drawEllipse(QRectF(3, 19, 10, 10));
    QPainterPath drop;
    drop.moveTo(22, 6);
    drop.cubicTo(22, 6, 30, 17, 30, 21);
    drop.arcTo(QRectF(14, 13, 16, 16), 0, -180);
    drop.cubicTo(14, 17, 22, 6, 22, 6);
    p.setBrush(QColor(60, 130, 220));
    p.setPen(QPen(QColor(20, 60, 140), 1));
    p.drawPath(drop);
    p.end();
    return QIcon(pm);
}

}  // namespace montira
