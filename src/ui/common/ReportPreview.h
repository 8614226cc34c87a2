#pragma once
#include <QString>

#include "core/workload/ReportPdf.h"

class QWidget;

namespace montira {

// The print preview of an A4 report, drawn by `draw` on the chosen printer.
void PreviewReport(QWidget* parent, const QString& caption, const DrawReport& draw);

}  // namespace montira
