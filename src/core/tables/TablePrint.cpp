#include "core/tables/TablePrint.h"

#include <QCoreApplication>
#include <vector>

#include "core/tables/TwipsPage.h"

namespace montira {

namespace {

constexpr qreal g = TableGeometry::kGap;

class TablePrinter {
public:
    TablePrinter(TwipsPage& page, const GridSource& grid, const QFont& font)
        : page_(page), grid_(grid), fm_(font), h_(fm_.height()) {
        const int cols = grid.columnCount();
        const int last = grid.rowCount() - 1;
        const QString pad = QStringLiteral("00");
        widths_.resize(size_t(cols));
        for (int c = 0; c < cols; ++c)
            widths_[size_t(c)] = qMax(fm_.horizontalAdvance(grid.cell(0, c) + pad),
                                      fm_.horizontalAdvance(grid.cell(last, c) + pad));
        right_ = TableGeometry::kLeft;
        for (qreal w : widths_) right_ += w + g;
    }

    qreal lineHeight() const { return h_; }
    qreal right() const { return right_; }

    void headerLines(qreal top, const HeaderTexts& t) {
        const QString lead = QStringLiteral(" -") + QString(10, u' ');
        const QString lines[3] = {t.name, t.sector, t.company};
        for (int i = 0; i < 3; ++i)
            page_.text(TableGeometry::kLeft, top + i * h_, lead + lines[i], fm_);
    }

    void row(int r, qreal top) {
        QPainter& p = page_.painter();
        p.drawLine(QPointF(TableGeometry::kLeft, top), QPointF(right_, top));
        qreal x = TableGeometry::kLeft + g / 2;
        for (size_t c = 0; c < widths_.size(); ++c) {
            const QString s = grid_.cell(r, int(c));
            const qreal w = fm_.horizontalAdvance(s);
            // div in the layout rule truncates toward zero.
            const qreal offset = qreal(qint64((widths_[c] + g / 2 - w) / 2));
            page_.text(x + offset, top + g / 2, s, fm_);
            x += widths_[c] + g;
        }
    }

    // The verticals of the rows [top, bottom) of a page and the line under the last row.
    void rule(qreal top, qreal bottom) {
        QPainter& p = page_.painter();
        p.drawLine(QPointF(TableGeometry::kLeft, bottom), QPointF(right_, bottom));
        qreal x = TableGeometry::kLeft;
        p.drawLine(QPointF(x, top), QPointF(x, bottom));
        for (qreal w : widths_) {
            x += w + g;
            p.drawLine(QPointF(x, top), QPointF(x, bottom));
        }
    }

    void footer(int pageNumber) {
        const QString s = QCoreApplication::translate("TablePrint", "P - %1").arg(pageNumber);
        page_.text((page_.width() - fm_.horizontalAdvance(s)) / 2, page_.height() - 2 * h_, s, fm_);
    }

private:
    TwipsPage& page_;
    const GridSource& grid_;
    QFontMetricsF fm_;
    qreal h_;
    std::vector<qreal> widths_;
    qreal right_ = 0;
};

}  // namespace

PrintResult PrintTable(QPainter& painter, QPagedPaintDevice& device, const GridSource& grid,
                       const TablePrintOptions& options, const RowProgress& progress) {
    TwipsPage page(painter, device);
    const QFont font = TwipsPage::InTwips(options.font);
    painter.setFont(font);
    constexpr qreal pen = 10;  // half a point
    painter.setPen(QPen(Qt::black, pen));
    TablePrinter table(page, grid, font);
    const qreal h = table.lineHeight();
    const qreal rowHeight = h + g;
    PrintResult result;
    result.pages = 1;
    // A table wider than the page (a large font, a long cell) is printed smaller, whole.
    result.scale = page.shrinkToWidth(table.right() + pen / 2);
    qreal top = TableGeometry::kTop;
    if (options.headerLines && HasHeaderTexts(options.header)) {
        table.headerLines(top, options.header);
        top += 3 * h + g;
    }
    qreal pageTop = top;
    const int rows = grid.rowCount();
    for (int r = 0; r < rows; ++r) {
        if (progress && !progress(r, rows)) {
            table.rule(pageTop, top);
            result.outcome = PrintOutcome::Cancelled;
            return result;
        }
        if (r > 0 && top + g / 2 + 4 * h > page.height()) {
            table.rule(pageTop, top);
            table.footer(result.pages);
            if (!page.newPage()) return result;
            ++result.pages;
            pageTop = top = TableGeometry::kTop;
            table.row(0, top);
            top += rowHeight;
        }
        table.row(r, top);
        top += rowHeight;
    }
    table.rule(pageTop, top);
    table.footer(result.pages);
    result.outcome = PrintOutcome::Printed;
    return result;
}

}  // namespace montira
