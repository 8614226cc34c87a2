#include "core/workload/ReportPages.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#ifndef MONTIRA_VERSION
#define MONTIRA_VERSION "dev"
#endif

namespace montira {

PageWriter::PageWriter(QPainter& p, QPagedPaintDevice& d, QString title, int total)
    : p_(p), d_(d), title_(std::move(title)), total_(total) {
    base_ = QFont(QStringLiteral("Arial"));
    base_.setPointSizeF(10);
    p_.setFont(base_);
    lh_ = QFontMetricsF(base_, &d_).height() * 1.15;
    width_ = d_.width();
    bottom_ = d_.height() - lh_ * 1.6;  // room for the footer
}

PageWriter::~PageWriter() {
    footer();
}

void PageWriter::need(double height) {
    if (y_ + height <= bottom_ || y_ == 0) return;
    footer();
    d_.newPage();
    ++pages_;
    y_ = 0;
}

void PageWriter::text(const QString& t, double size, bool bold, QColor color, double indent) {
    QFont f = base_;
    f.setPointSizeF(size);
    f.setBold(bold);
    p_.setFont(f);
    const QRectF room(indent, 0, width_ - indent, 1e6);
    const QRectF used = p_.boundingRect(room, Qt::AlignLeft | Qt::TextWordWrap, t);
    const double h = std::max(used.height(), QFontMetricsF(f, &d_).height()) * 1.1;
    need(h);
    p_.setPen(color);
    p_.drawText(QRectF(indent, y_, width_ - indent, h), Qt::AlignLeft | Qt::TextWordWrap, t);
    p_.setFont(base_);
    y_ += h;
}

void PageWriter::heading(const QString& t) {
    need(lh_ * 3);
    gap(0.4);
    text(t, 11.5, true);
    rule();
}

void PageWriter::row(const QStringList& cells, const std::vector<double>& at, bool bold,
                     int leftCells) {
    need(lh_);
    QFont f = base_;
    f.setBold(bold);
    p_.setFont(f);
    p_.setPen(Qt::black);
    const QFontMetricsF fm(f, &d_);
    for (int i = 0; i < cells.size() && i < int(at.size()); ++i) {
        const double x0 = at[size_t(i)] * width_;
        const double x1 = i + 1 < int(at.size()) ? at[size_t(i) + 1] * width_ : width_;
        const double w = x1 - x0 - lh_ * 0.3;
        p_.drawText(QRectF(x0, y_, w, lh_),
                    (i < leftCells ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter,
                    fm.elidedText(cells[i], Qt::ElideRight, w));
    }
    p_.setFont(base_);
    y_ += lh_;
}

void PageWriter::rule() {
    p_.setPen(QPen(Qt::gray, 0));
    p_.drawLine(QPointF(0, y_ + lh_ * 0.2), QPointF(width_, y_ + lh_ * 0.2));
    y_ += lh_ * 0.4;
}

QRectF PageWriter::block(double height) {
    need(height);
    const QRectF r(0, y_, width_, height);
    y_ += height;
    return r;
}

// The program and its version, so that a printed page can be traced, and the page's number.
void PageWriter::footer() {
    QFont f = base_;
    f.setPointSizeF(8);
    p_.save();
    p_.setFont(f);
    p_.setPen(Qt::darkGray);
    const QRectF r(0, d_.height() - lh_, width_, lh_);
    p_.drawText(r, Qt::AlignLeft | Qt::AlignVCenter,
                QCoreApplication::translate("ReportPages", "montira %1 — %2")
                    .arg(QLatin1String(MONTIRA_VERSION), title_));
    p_.drawText(r, Qt::AlignRight | Qt::AlignVCenter,
                QCoreApplication::translate("ReportPages", "página %1 de %2")
                    .arg(pages_)
                    .arg(total_ > 0 ? total_ : pages_));
    p_.restore();
}

int DrawCountingPages(QPainter& p, QPagedPaintDevice& device, const DrawPages& draw, int total) {
    if (total <= 0) {
        QBuffer sink;
        sink.open(QIODevice::WriteOnly);
        QPdfWriter count(&sink);
        count.setResolution(device.logicalDpiX());
        count.setPageLayout(device.pageLayout());
        QPainter cp(&count);
        total = draw(cp, count, 0);
    }
    return draw(p, device, total);
}

}  // namespace montira
