#pragma once
#include <QIcon>

#include "core/record/DataFile.h"

class QWidget;

namespace montira {

class TableModel;

// "Avaliação" on a list window's toolbar: opens the evaluation window over a copy of the
// table shown (its heading tells the unit), with the window's name, sector and company. The
// window deletes itself when closed.
void OpenEvaluation(QWidget* from, const TableModel& table, const HeaderTexts& header);

// The button's icon: a thermometer over a clock face.
QIcon EvaluationIcon();

}  // namespace montira
