#include "core/tables/Listing.h"

#include "core/tables/TwipsPage.h"

namespace montira {

namespace {

constexpr int kFieldWidths[12] = {13, 10, 10, 8, 8, 8, 8, 8, 8, 8, 8, 8};

// Characters in the listing line of row r (a cell longer than its field is printed whole).
int LineLength(const GridSource& grid, int r) {
    int n = 0;
    for (int c = 0; c < 12; ++c) n += qMax(kFieldWidths[c], int(grid.cell(r, c).size()));
    return n;
}

// The widest line of the rows: the heading measured, the records by their length in
// characters (their cells are figures, points, blanks and dashes, as wide as a "0" in a
// fixed-pitch font and no wider in the others).
qreal RowsWidth(const GridSource& grid, const QFontMetricsF& fm) {
    const int rows = grid.rowCount();
    if (rows == 0) return 0;
    QStringList heading;
    for (int c = 0; c < grid.columnCount(); ++c) heading << grid.cell(0, c);
    int chars = 0;
    for (int r = 1; r < rows; ++r) chars = qMax(chars, LineLength(grid, r));
    return qMax(fm.horizontalAdvance(ListingLine(heading)), chars * fm.horizontalAdvance(u'0'));
}

}  // namespace

QString ListingLine(const QStringList& cells) {
    QString line;
    line.reserve(110);
    for (int c = 0; c < 12; ++c) line += cells.value(c).rightJustified(kFieldWidths[c], u' ');
    return line;
}

QString ListingSeparator() {
    return QString(7, u' ') + QString(116, u'-');
}

QStringList ListingPreamble(const HeaderTexts& header) {
    const QString dash = QStringLiteral(" -");
    QStringList out{dash, dash, dash};
    if (HasHeaderTexts(header)) {
        const QString lead = dash + QString(10, u' ');
        out << lead + header.name << lead + header.sector << lead + header.company;
    }
    out << dash << dash << dash;
    return out;
}

PrintResult PrintListing(QPainter& painter, QPagedPaintDevice& device, const GridSource& grid,
                         const HeaderTexts& header, const RowProgress& progress,
                         const QFont& font) {
    TwipsPage page(painter, device);
    const QFont f = TwipsPage::InTwips(font);
    painter.setFont(f);
    const QFontMetricsF fm(f);
    const qreal h = fm.height();
    PrintResult result;
    result.pages = 1;
    result.scale = page.shrinkToWidth(RowsWidth(grid, fm));
    qreal y = 0;
    // `squeeze` < 1 draws the line narrower (not lower) by that factor.
    auto print = [&](const QString& line, qreal squeeze = 1) {
        if (y > 0 && y + h > page.height()) {
            if (!page.newPage()) return false;
            ++result.pages;
            y = 0;
        }
        if (squeeze < 1) {
            painter.save();
            painter.scale(squeeze, 1);
            page.text(0, y, line, fm);
            painter.restore();
        } else {
            page.text(0, y, line, fm);
        }
        y += h;
        return true;
    };
    const QString separator = ListingSeparator();
    const qreal separatorWidth = fm.horizontalAdvance(separator);
    const qreal separatorSqueeze =
        separatorWidth > page.width() ? page.width() / separatorWidth : 1;
    for (const QString& line : ListingPreamble(header))
        if (!print(line)) return result;
    const int rows = grid.rowCount();
    const int cols = grid.columnCount();
    QStringList cells;
    for (int r = 0; r < rows; ++r) {
        cells.clear();
        for (int c = 0; c < cols; ++c) cells << grid.cell(r, c);
        if (progress && !progress(r, rows)) {
            result.outcome = PrintOutcome::Cancelled;
            return result;
        }
        if (!print(ListingLine(cells))) return result;
        if (r == 0 && !print(separator, separatorSqueeze)) return result;
    }
    result.outcome = PrintOutcome::Printed;
    return result;
}

}  // namespace montira
