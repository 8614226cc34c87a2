#include <QPdfWriter>
#include <cstdio>

#include "cli/Commands.h"
#include "cli/DataFileInput.h"
#include "cli/FileArgs.h"
#include "cli/OutputFile.h"
#include "core/tables/GridSource.h"
#include "core/tables/Listing.h"
#include "core/tables/TablePrint.h"

namespace montira::cli {

// montira-cli print FILE --pdf OUT: a data file as the file window's ruled table print (or the
// fixed-width listing) into a PDF, without dialogs. The PDF appears only when complete; "-"
// writes it to standard output.
int RunPrint(const QStringList& args) {
    PrintArgs a;
    QString message;
    if (!ParsePrintArgs(args, a, message)) {
        std::fputs(qPrintable(message), stderr);
        return kUsage;
    }
    DataFileContents file;
    int code = kDone;
    if (!ReadDataFileArg(a.input, "print", file, code)) return code;
    const HeaderTexts header = HeaderFromOptions(a.header, file);
    const HeadedTable grid(file.heading, file.rows);

    const QString& out = a.pdf;
    PrintResult result;
    QString error;
    const SaveOutcome saved = WriteOutput(
        out,
        [&](QIODevice& target) {
            QPdfWriter pdf(&target);
            pdf.setTitle(FileTitle(a.input));
            pdf.setResolution(600);
            pdf.setPageSize(QPageSize(a.letter ? QPageSize::Letter : QPageSize::A4));
            pdf.setPageMargins(QMarginsF(6, 6, 6, 6), QPageLayout::Millimeter);
            pdf.setPageOrientation(a.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
            QPainter painter(&pdf);
            if (a.listing) {
                // The listing's own size is 8 points; a family given keeps the fixed-pitch hint.
                QFont font = ListingFont(a.hasSize ? a.size : 8);
                if (a.hasFont) font.setFamily(a.font);
                result = PrintListing(painter, pdf, grid, header, {}, font);
            } else {
                TablePrintOptions t;
                t.font = TableFont(a.hasFont ? a.font : QStringLiteral("Arial"), a.size);
                t.headerLines = true;
                t.header = header;
                result = PrintTable(painter, pdf, grid, t);
            }
            return painter.end() && result.outcome == PrintOutcome::Printed;
        },
        &error);
    if (saved != SaveOutcome::Saved) {
        if (error.isEmpty()) error = QStringLiteral("não foi possível gravar %1").arg(out);
        std::fprintf(stderr, "montira-cli print: %s\n", qPrintable(error));
        return kFailure;
    }
    if (result.scale < 1)
        std::fprintf(stderr,
                     "montira-cli print: a tabela é mais larga que a página; impressa a %d%% "
                     "do tamanho para que nenhuma coluna se perca\n",
                     int(result.scale * 100));
    // The page count goes with the messages when the PDF itself takes standard output.
    if (IsStandardOutput(out)) {
        std::fprintf(stderr, "%d\n", result.pages);
        return kDone;
    }
    std::printf("%d\n", result.pages);
    return kDone;
}

}  // namespace montira::cli
