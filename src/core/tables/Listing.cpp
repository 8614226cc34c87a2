#include "core/tables/Listing.h"

#include "core/tables/TwipsPage.h"

namespace montira {

namespace {

constexpr int kFieldWidths[12] = {13, 10, 10, 8, 8, 8, 8, 8, 8, 8, 8, 8};

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
    qreal y = 0;
    auto print = [&](const QString& line) {
        if (y > 0 && y + h > page.height()) {
            if (!page.newPage()) return false;
            ++result.pages;
            y = 0;
        }
        page.text(0, y, line, fm);
        y += h;
        return true;
    };
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
        if (r == 0 && !print(ListingSeparator())) return result;
    }
    result.outcome = PrintOutcome::Printed;
    return result;
}

}  // namespace montira
