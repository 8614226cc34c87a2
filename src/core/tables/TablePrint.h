#pragma once
#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>

#include "core/tables/GridSource.h"
#include "core/tables/Listing.h"
#include "core/tables/PrintFonts.h"

namespace montira {

// The ruled table print. All lengths are twips: rows begin 400 from the top of the printable
// area, the first column 400 + g/2 from its left, with a gap g = 100; a row is h + g high
// (h: the height of "H" in the font), its text g/2 below its top, each cell's text centred
// in its column; a column is as wide as the wider of "heading00" and "last cell00". Ruled
// lines frame every cell, the vertical ones in the middle of the gaps. A row whose text
// position plus 4h passes the printable height goes to a new page, under the heading row
// printed again; every page ends with "P - n" centred 2h above the bottom. A table wider
// than the printable area is printed smaller, in both directions, until it fits.
struct TablePrintOptions {
    QFont font = TableFont();
    // The live list's version prints " -" + ten blanks + name, sector and company first,
    // when any of them is filled.
    bool headerLines = false;
    HeaderTexts header;
};

struct TableGeometry {
    static constexpr qreal kTop = 400;
    static constexpr qreal kLeft = 400;
    static constexpr qreal kGap = 100;
};

PrintResult PrintTable(QPainter& painter, QPagedPaintDevice& device, const GridSource& grid,
                       const TablePrintOptions& options, const RowProgress& progress = {});

}  // namespace montira
