#pragma once
// Prints into a PDF in memory and reads its text back with pdftotext (poppler-utils).
#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>

namespace montira::test {

inline QByteArray PrintPdf(int dpi, const std::function<void(QPainter&, QPdfWriter&)>& draw) {
    QBuffer buf;
    buf.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buf);
        pdf.setResolution(dpi);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(6, 6, 6, 6), QPageLayout::Millimeter);
        QPainter p(&pdf);
        draw(p, pdf);
    }
    return buf.data();
}

// The text of every page (pdftotext's form feed splits them), laid out as printed.
inline QStringList PdfPages(const QByteArray& pdf) {
    QTemporaryDir dir;
    const QString in = dir.filePath("p.pdf");
    QFile f(in);
    f.open(QIODevice::WriteOnly);
    f.write(pdf);
    f.close();
    QProcess p;
    p.start("pdftotext", {"-layout", in, "-"});
    p.waitForFinished(60000);
    QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty()) pages.removeLast();
    return pages;
}

}  // namespace montira::test
