#include <cstdio>

#include "cli/Commands.h"
#include "cli/DataFileInput.h"
#include "cli/FileArgs.h"
#include "cli/OutputFile.h"
#include "core/tables/CsvExport.h"

namespace montira::cli {

// montira-cli export FILE --csv OUT [--point]: the spreadsheet export of a data file ("-":
// standard output).
int RunExport(const QStringList& args) {
    ExportArgs a;
    QString message;
    if (!ParseExportArgs(args, a, message)) {
        std::fputs(qPrintable(message), stderr);
        return kUsage;
    }
    DataFileContents file;
    int code = kDone;
    if (!ReadDataFileArg(a.input, "export", file, code)) return code;
    CsvStyle style;
    style.decimalComma = !a.point;
    QString error;
    const HeadedTable grid(file.heading, file.rows);
    const HeaderTexts header{file.name, file.sector, file.company};
    if (WriteOutput(
            a.csv, [&](QIODevice& out) { return WriteCsv(out, grid, header, style); }, &error) !=
        SaveOutcome::Saved) {
        if (error.isEmpty()) error = QStringLiteral("não foi possível gravar %1").arg(a.csv);
        std::fprintf(stderr, "montira-cli export: %s\n", qPrintable(error));
        return kFailure;
    }
    return kDone;
}

}  // namespace montira::cli
