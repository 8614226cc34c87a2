#pragma once
#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QStringList>

#include "core/tables/GridSource.h"
#include "core/tables/PrintFonts.h"

namespace montira {

// The fixed-width listing: each row's twelve cells right-aligned in fields of 13, 10, 10 and
// nine times 8 characters (a 105-character line); a cell longer than its field is printed
// whole, without padding. The heading row is followed by a separator of 7 blanks and 116
// hyphens.
QString ListingLine(const QStringList& cells);
QString ListingSeparator();
// The lines before the rows: three " -", the name, sector and company after " -" and ten
// blanks when any is filled, three " -" again.
QStringList ListingPreamble(const HeaderTexts& header);

enum class PrintOutcome { Printed, Cancelled, Failed };
struct PrintResult {
    PrintOutcome outcome = PrintOutcome::Failed;
    int pages = 0;
    // Below 1 when the table (or the listing's lines) was wider than the printable area
    // and was printed that much smaller so that no column is lost.
    qreal scale = 1;
};

// Prints the listing with `painter`, already active on `device`, from the top left of the
// printable area down, a new page when a line no longer fits. Lines wider than the printable
// area shrink the whole listing until they fit; the separator, wider than the rows, is drawn
// narrower on its own where only it would not fit. A cancel (progress returning
// false) stops at once; the caller ends or aborts the document.
PrintResult PrintListing(QPainter& painter, QPagedPaintDevice& device, const GridSource& grid,
                         const HeaderTexts& header, const RowProgress& progress = {},
                         const QFont& font = ListingFont());

}  // namespace montira
