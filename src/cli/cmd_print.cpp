#include <QPdfWriter>
#include <QSaveFile>
#include <cstdio>

#include "cli/Commands.h"
#include "cli/DataFileInput.h"
#include "cli/Options.h"
#include "core/tables/GridSource.h"
#include "core/tables/Listing.h"
#include "core/tables/TablePrint.h"

namespace montira::cli {

namespace {

constexpr const char* kUsageText =
    "uso: montira-cli print ARQUIVO --pdf SAIDA [--table | --listing] [--name T --sector T "
    "--company T] [--font FAMILIA --size PT] [--landscape]\n";

}  // namespace

// montira-cli print FILE --pdf OUT: a data file as the file window's ruled table print (or the
// fixed-width listing) into a PDF, without dialogs. The PDF appears only when complete.
int RunPrint(const QStringList& args) {
    if (args.isEmpty() || args.first().startsWith(QStringLiteral("--"))) {
        std::fputs(kUsageText, stderr);
        return kUsage;
    }
    const QString input = args.first();
    Options o;
    QString error;
    if (!ParseOptions(args.mid(1), {"--pdf", "--name", "--sector", "--company", "--font", "--size"},
                      {"--table", "--listing", "--landscape"}, o, error) ||
        !o.has("--pdf") || (o.flags.contains("--table") && o.flags.contains("--listing"))) {
        if (!error.isEmpty()) std::fprintf(stderr, "montira-cli print: %s\n", qPrintable(error));
        std::fputs(kUsageText, stderr);
        return kUsage;
    }
    double size = 10;
    if (o.has("--size")) {
        bool ok = false;
        size = o.value("--size").toDouble(&ok);
        if (!ok || size < 4 || size > 72) {
            std::fprintf(stderr, "montira-cli print: tamanho de fonte inválido: %s\n",
                         qPrintable(o.value("--size")));
            return kUsage;
        }
    }
    DataFileContents file;
    int code = kDone;
    if (!ReadDataFileArg(input, "print", file, code)) return code;
    const HeaderTexts header = HeaderFromOptions(o, file);
    const HeadedTable grid(file.heading, file.rows);

    const QString out = o.value("--pdf");
    QSaveFile target(out);
    target.setDirectWriteFallback(false);
    if (!target.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "montira-cli print: não foi possível gravar %s: %s\n", qPrintable(out),
                     qPrintable(target.errorString()));
        return kFailure;
    }
    PrintResult result;
    {
        QPdfWriter pdf(&target);
        pdf.setTitle(FileTitle(input));
        pdf.setResolution(600);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(6, 6, 6, 6), QPageLayout::Millimeter);
        pdf.setPageOrientation(o.flags.contains("--landscape") ? QPageLayout::Landscape
                                                               : QPageLayout::Portrait);
        QPainter painter(&pdf);
        if (o.flags.contains("--listing")) {
            // The listing's own size is 8 points; a family given keeps the fixed-pitch hint.
            QFont font = ListingFont(o.has("--size") ? size : 8);
            if (o.has("--font")) font.setFamily(o.value("--font"));
            result = PrintListing(painter, pdf, grid, header, {}, font);
        } else {
            TablePrintOptions t;
            t.font = TableFont(o.has("--font") ? o.value("--font") : QStringLiteral("Arial"), size);
            t.headerLines = true;
            t.header = header;
            result = PrintTable(painter, pdf, grid, t);
        }
        painter.end();
    }
    if (result.outcome != PrintOutcome::Printed || !target.commit()) {
        std::fprintf(stderr, "montira-cli print: não foi possível gravar %s: %s\n", qPrintable(out),
                     qPrintable(target.errorString()));
        return kFailure;
    }
    std::printf("%d\n", result.pages);
    return kDone;
}

}  // namespace montira::cli
