#include <cstdio>

#include "cli/Commands.h"
#include "cli/DataFileInput.h"
#include "cli/Options.h"
#include "core/tables/CsvExport.h"

namespace montira::cli {

// montira-cli export FILE --csv OUT [--point]: the spreadsheet export of a data file.
int RunExport(const QStringList& args) {
    Options o;
    QString error;
    if (args.isEmpty() || args.first().startsWith(QStringLiteral("--")) ||
        !ParseOptions(args.mid(1), {"--csv"}, {"--point"}, o, error) || !o.has("--csv")) {
        if (!error.isEmpty()) std::fprintf(stderr, "montira-cli export: %s\n", qPrintable(error));
        std::fputs("uso: montira-cli export ARQUIVO --csv SAIDA [--point]\n", stderr);
        return kUsage;
    }
    DataFileContents file;
    int code = kDone;
    if (!ReadDataFileArg(args.first(), "export", file, code)) return code;
    CsvStyle style;
    style.decimalComma = !o.flags.contains("--point");
    if (ExportCsv(o.value("--csv"), HeadedTable(file.heading, file.rows),
                  HeaderTexts{file.name, file.sector, file.company}, style, {},
                  &error) != SaveOutcome::Saved) {
        std::fprintf(stderr, "montira-cli export: %s\n", qPrintable(error));
        return kFailure;
    }
    return kDone;
}

}  // namespace montira::cli
