#include "cli/DataFileInput.h"

#include <QFile>
#include <cstdio>

#include "cli/Commands.h"
#include "cli/Options.h"
#include "core/tables/DataFileCheck.h"

namespace montira::cli {

bool ReadDataFileArg(const QString& path, const char* command, DataFileContents& out,
                     int& exitCode) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "montira-cli %s: não foi possível abrir %s: %s\n", command,
                     qPrintable(path), qPrintable(f.errorString()));
        exitCode = kUsage;
        return false;
    }
    QByteArray bytes = f.readAll();
    if (!IsTextBytes(bytes)) {
        std::fprintf(stderr, "montira-cli %s: %s não é um arquivo de dados\n", command,
                     qPrintable(path));
        exitCode = kUsage;
        return false;
    }
    out = ReadDataFile(std::move(bytes));
    if (!IsDataFileHeading(out.heading)) {
        std::fprintf(stderr, "montira-cli %s: %s não é um arquivo de dados\n", command,
                     qPrintable(path));
        exitCode = kUsage;
        return false;
    }
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
