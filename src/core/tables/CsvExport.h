#pragma once
#include <QIODevice>

#include "core/tables/GridSource.h"
#include "core/tables/SafeFile.h"

namespace montira {

// The spreadsheet export of a table: UTF-8 with a byte-order mark, lines ended by CR LF.
// Portuguese setting (the default): ";" between fields and a decimal comma; the other
// setting: "," and a point. The date "YY/MM/DD" becomes DD/MM/YYYY and the time stays
// hh:mm:ss, each in its own column; "- - -" becomes an empty cell. When the name, sector or
// company is filled, three leading rows "Nome:", "Setor:", "Empresa:" carry them.
struct CsvStyle {
    bool decimalComma = true;
};

// One cell as written: a number with the chosen decimal mark, a date turned round, quotes
// where the text holds the separator, a quote or a line break.
QString CsvCell(const QString& text, int col, const CsvStyle& style);

bool WriteCsv(QIODevice& out, const GridSource& grid, const HeaderTexts& header,
              const CsvStyle& style, const RowProgress& progress = {});
SaveOutcome ExportCsv(const QString& path, const GridSource& grid, const HeaderTexts& header,
                      const CsvStyle& style, const RowProgress& progress = {},
                      QString* error = nullptr);

}  // namespace montira
