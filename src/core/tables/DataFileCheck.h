#pragma once
#include <QByteArray>
#include <QStringList>

namespace montira {

// A data file's heading line starts with the unit, "(°C)" or "(°F)", blanks inside the
// brackets allowed.
bool IsDataFileHeading(const QStringList& heading);

}  // namespace montira
