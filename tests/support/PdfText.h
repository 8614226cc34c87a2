#pragma once
// Prints into a PDF in memory and reads its text back with pdftotext (poppler-utils).
#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
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

// What pdftotext prints for a PDF given as bytes, with `option` ("-layout", "-bbox").
inline QString PdfToText(const QByteArray& pdf, const char* option) {
    QTemporaryDir dir;
    const QString in = dir.filePath("p.pdf");
    QFile f(in);
    f.open(QIODevice::WriteOnly);
    f.write(pdf);
    f.close();
    QProcess p;
    p.start("pdftotext", {QString::fromLatin1(option), in, "-"});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The text of every page (pdftotext's form feed splits them), laid out as printed.
inline QStringList PdfPages(const QByteArray& pdf) {
    QStringList pages = PdfToText(pdf, "-layout").split(u'\f');
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty()) pages.removeLast();
    return pages;
}

// Every word of a PDF with its box, in points (pdftotext -bbox), and its page's size.
struct PdfWord {
    int page = 0;  // 0-based
    QString text;
    double xMin = 0, xMax = 0, pageWidth = 0, pageHeight = 0;
};

inline QList<PdfWord> PdfWords(const QByteArray& pdf) {
    const QString html = PdfToText(pdf, "-bbox");
    static const QRegularExpression page(
        QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\">"));
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"[0-9.]+\" xMax=\"([0-9.]+)\" yMax=\"[0-9.]+\">"
        "([^<]*)</word>"));
    QList<PdfWord> words;
    int pageNo = -1;
    double w = 0, h = 0;
    for (const QString& line : html.split(u'\n')) {
        if (const auto m = page.match(line); m.hasMatch()) {
            ++pageNo;
            w = m.captured(1).toDouble();
            h = m.captured(2).toDouble();
        } else if (const auto m = word.match(line); m.hasMatch()) {
            words.append(
                {pageNo, m.captured(3), m.captured(1).toDouble(), m.captured(2).toDouble(), w, h});
        }
    }
    return words;
}

}  // namespace montira::test
