#pragma once
#include <QIODevice>

#include "core/tables/GridSource.h"
#include "core/tables/SafeFile.h"

namespace montira {

// A table saved as a data file: the three "*****" header text lines when any of the texts is
// filled, then every row from the heading row on, each cell followed by TAB, lines ended by
// CR LF, text in Windows-1252. `progress` is called for every row before it is written.
bool WriteGrid(QIODevice& out, const GridSource& grid, const HeaderTexts& header,
               const RowProgress& progress = {});
SaveOutcome SaveGridToFile(const QString& path, const GridSource& grid, const HeaderTexts& header,
                           const RowProgress& progress = {}, QString* error = nullptr);

}  // namespace montira
