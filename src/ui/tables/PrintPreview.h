#pragma once
#include <QString>
#include <functional>

#include "core/tables/Listing.h"
#include "core/tables/TablePrint.h"

class QWidget;
class QPrinter;

namespace montira {

// One print of a list window: the kind, the table and what goes with it.
struct PrintJob {
    enum Kind { RuledTable, FixedListing };
    Kind kind = RuledTable;
    const GridSource* grid = nullptr;
    TablePrintOptions table;  // the ruled table's font and name/sector/company lines
    HeaderTexts header;       // the listing's name/sector/company
    QString title;            // of the preview and progress windows
    // The downloaded-data and file windows copy the chosen font's bold, italic, underline
    // and strikeout; the live list only its family and size.
    bool fontStyle = true;
    // Called with false before the listing prints and with true after it (the poll stops
    // while it prints); the ruled table print leaves the poll alone.
    std::function<void(bool run)> poll;
};

// The ruled table print asks for the font first (cancel abandons); then a print preview of
// the first rows, from which the user prints (through the print dialog) or saves a PDF. The
// real print shows its progress and can be cancelled: then nothing more is printed and the
// document is aborted. Returns how the print ended (Cancelled when no print was made).
PrintResult PrintWithPreview(QWidget* parent, PrintJob job);

// Draws a job on a printer (what the preview's print does), with `progress`.
PrintResult DrawJob(QPrinter& printer, const PrintJob& job, const RowProgress& progress);

// Rows shown in the preview: enough for dozens of pages, without rendering a whole file.
constexpr int kPreviewRows = 1000;

}  // namespace montira
