#pragma once
#include <QIODevice>

#include "core/tables/GridSource.h"
#include "core/tables/SafeFile.h"

namespace montira {

// The spreadsheet export of a table: UTF-8 with a byte-order mark, lines ended by CR LF.
// Portuguese setting (the default): ";" between fields and a decimal comma; the other
// setting: "," and a point. The date "YY/MM/DD" becomes DD/MM/YYYY with the decimal comma
// and YYYY-MM-DD with the point (which a spreadsheet in English would otherwise read as
// MM/DD); the time stays hh:mm:ss, each in its own column; "- - -" becomes an empty cell.
// When the name, sector or company is filled, three leading rows "Nome:", "Setor:",
// "Empresa:" carry them.
//
// A cell that is a number is written as the number ("+7" as 7); any other text that starts
// with =, +, -, @, TAB or CR gets a leading apostrophe, in every row, so that a spreadsheet
// never runs a cell of a file as a formula.
struct CsvStyle {
    bool decimalComma = true;
};

// One cell as written: a number with the chosen decimal mark, a date turned round (column 1
// only), a formula guarded, quotes where the text holds the separator, a quote or a line
// break.
QString CsvCell(const QString& text, int col, const CsvStyle& style);

bool WriteCsv(QIODevice& out, const GridSource& grid, const HeaderTexts& header,
              const CsvStyle& style, const RowProgress& progress = {});
SaveOutcome ExportCsv(const QString& path, const GridSource& grid, const HeaderTexts& header,
                      const CsvStyle& style, const RowProgress& progress = {},
                      QString* error = nullptr);

}  // namespace montira
