#pragma once
#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QPainter;
class QPagedPaintDevice;

namespace montira {

// Writes a printed report's lines down the page in 10 pt Arial, starting a new page when the
// next block does not fit, with a footer on each page: the program, its version and the
// report's title on the left, "página n de N" on the right.
class PageWriter {
public:
    // `total` is the count of pages for the footers; 0 when not known yet (counting).
    PageWriter(QPainter& p, QPagedPaintDevice& d, QString title, int total);
    ~PageWriter();
    PageWriter(const PageWriter&) = delete;
    PageWriter& operator=(const PageWriter&) = delete;

    double lineHeight() const { return lh_; }
    double width() const { return width_; }
    int pages() const { return pages_; }

    void need(double height);  // a new page unless `height` fits on this one
    // Text wrapped to the width (less `indent`).
    void text(const QString& t, double size = 10, bool bold = false, QColor color = Qt::black,
              double indent = 0);
    void heading(const QString& t);  // a section's title over a rule, never alone at the foot
    // A row of cells at the given fractions of the width; the first `leftCells` left-aligned,
    // the others right-aligned.
    void row(const QStringList& cells, const std::vector<double>& at, bool bold = false,
             int leftCells = 1);
    void rule();
    void gap(double lines = 0.5) { y_ += lh_ * lines; }
    QRectF block(double height);  // room of the width and `height` for a drawing

private:
    void footer();

    QPainter& p_;
    QPagedPaintDevice& d_;
    QString title_;
    int total_;
    QFont base_;
    double lh_ = 0, width_ = 0, bottom_ = 0, y_ = 0;
    int pages_ = 1;
};

// Draws a report whose footers say "página n de N": first on a PDF of the same layout to count
// its pages when `total` is 0, then on `device`. `draw` returns the pages it drew.
using DrawPages = std::function<int(QPainter& p, QPagedPaintDevice& device, int total)>;
int DrawCountingPages(QPainter& p, QPagedPaintDevice& device, const DrawPages& draw, int total = 0);

}  // namespace montira
