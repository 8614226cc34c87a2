#pragma once
#include <QByteArray>
#include <QStringList>

namespace montira {

// A data file's heading line starts with the unit, "(°C)" or "(°F)", blanks inside the
// brackets allowed; bytes with a NUL are not a text file at all.
bool IsDataFileHeading(const QStringList& heading);
bool IsTextBytes(const QByteArray& bytes);

}  // namespace montira
