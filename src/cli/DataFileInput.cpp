#include "cli/DataFileInput.h"

#include <cstdio>

#include "cli/Commands.h"
#include "cli/Options.h"
#include "core/record/DataFileOpen.h"
#include "core/tables/DataFileCheck.h"

namespace montira::cli {

bool ReadDataFileArg(const QString& path, const char* command, DataFileContents& out,
                     int& exitCode) {
    // The reader of the window's Open: regular files only (a FIFO or a device is refused
    // before it is opened), the same size limit, the same messages.
    QString why;
    std::optional<QByteArray> bytes = ReadDataFileBytes(path, &why);
    if (!bytes) {
        std::fprintf(stderr, "montira-cli %s: %s\n", command, qPrintable(why));
        exitCode = kUsage;
        return false;
    }
    out = ReadDataFile(std::move(*bytes));
    if (!IsDataFileHeading(out.heading)) {
        std::fprintf(stderr, "montira-cli %s: %s não é um arquivo de dados\n", command,
                     qPrintable(path));
        exitCode = kUsage;
        return false;
    }
    if (out.cutLines > 0)
        std::fprintf(stderr, "montira-cli %s: %s\n", command,
                     qPrintable(CutLinesMessage(path, out.cutLines)));
    return true;
}

HeaderTexts HeaderFromOptions(const Options& o, const DataFileContents& file) {
    HeaderTexts h{file.name, file.sector, file.company};
    if (o.has("--name")) h.name = o.value("--name");
    if (o.has("--sector")) h.sector = o.value("--sector");
    if (o.has("--company")) h.company = o.value("--company");
    return h;
}

}  // namespace montira::cli
