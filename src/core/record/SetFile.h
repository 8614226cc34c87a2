#pragma once
#include <QIODevice>
#include <QStringList>
#include <functional>

#include "core/tables/TextTable.h"

namespace montira {

// Headings of the downloaded-data list: those of a data file with "( °C )" or "( °F )" in
// the first column.
QStringList SetListHeading(bool celsius);

// Writes a downloaded set as the list's "Save" writes it: the three "*****" header text
// lines when any of name, sector, company is not empty, the heading line, then one line per
// row, each in the data file's line format. `progress(r)` follows each line (r = 0 is the
// heading). False when the device did not take every byte.
bool WriteSetFile(QIODevice& out, const QString& name, const QString& sector,
                  const QString& company, const QStringList& heading, const TextTable& rows,
                  const std::function<void(int)>& progress = {});

}  // namespace montira
