#pragma once
#include <QIcon>
#include <QStringList>

#include "core/tables/TableLines.h"
#include "core/tables/TextTable.h"
#include "core/workload/WbgtSeries.h"
#include "core/workload/WorstHour.h"

class QWidget;

namespace montira {

class TableModel;

// Opens the predicted-heat-strain window over the mean climate of `hour` of a table's
// readings (the evaluation's hour), with the name, sector and company given. Without a
// readable climate in that hour the window opens for typed values. Deletes itself when closed.
void OpenHeatStrain(QWidget* from, const QStringList& heading, const TextTable& rows,
                    const exposure::WbgtSeries& series, const exposure::ExposureHour& hour,
                    const HeaderTexts& header);

// The same over the worst hour of indoor WBGT of the table a list window shows.
void OpenHeatStrain(QWidget* from, const TableModel& table, const HeaderTexts& header);

// The list windows' "HeatStrain" button: a drop of sweat beside a thermometer.
QIcon HeatStrainIcon();

}  // namespace montira
