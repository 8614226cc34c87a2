#pragma once
#include <QString>
#include <QtGlobal>

namespace montira::exposure {

// How the printed evaluation writes dates and numbers in the interface language: the date
// form and the decimal separator are translated texts, so the Portuguese report reads
// DD/MM/YYYY with a decimal comma and the English one YYYY-MM-DD with a decimal point.
QString ReportDateForm();  // a QDate format: "dd/MM/yyyy" or "yyyy-MM-dd"
QChar ReportDecimal();     // ',' or '.'

// A reading's time (ticks as WbgtSeries counts them) as "DD/MM/YYYY hh:mm:ss" or
// "YYYY-MM-DD hh:mm:ss".
QString ReportStamp(qint64 ticks);
// `v` with `decimals` places and the report's separator.
QString ReportNumber(double v, int decimals = 1);

}  // namespace montira::exposure
