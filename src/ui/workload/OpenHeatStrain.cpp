#include "ui/workload/OpenHeatStrain.h"

#include <QCoreApplication>

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

}  // namespace montira
