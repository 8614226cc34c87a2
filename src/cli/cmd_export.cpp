#include <cstdio>

#include "cli/Commands.h"
#include "cli/DataFileInput.h"
#include "cli/FileArgs.h"
#include "core/tables/CsvExport.h"

namespace montira::cli {

// montira-cli export FILE --csv OUT [--point]: the spreadsheet export of a data file.
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
    if (ExportCsv(a.csv, HeadedTable(file.heading, file.rows),
                  HeaderTexts{file.name, file.sector, file.company}, style, {},
                  &error) != SaveOutcome::Saved) {
        std::fprintf(stderr, "montira-cli export: %s\n", qPrintable(error));
        return kFailure;
    }
    return kDone;
}

}  // namespace montira::cli
