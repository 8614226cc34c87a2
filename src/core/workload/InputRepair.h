#pragma once
#include <QChar>
#include <QString>

namespace montira::workload {

// The 50 ms repair of the age list's text: empty, two characters outside the list, more than
// two characters, or not a number give "20"; a value above 65 gives "65".
QString RepairAgeText(const QString& text);

// A minute list of the kinds of work holds at most 60 minutes per hour.
QString RepairWorkMinutesText(const QString& text);

// The weight box keeps the digits, the point and Backspace.
bool WeightKeyAccepted(QChar c);

// Lbllbs: the weight of the kg text in pounds, one decimal ("72.5" gives "159.8").
QString PoundsText(const QString& kgText, QChar decimalPoint = QLatin1Char('.'));

}  // namespace montira::workload
