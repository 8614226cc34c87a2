#include <cstdio>

#include "cli/Commands.h"
#include "cli/FileArgs.h"
#include "core/tables/HeaderFile.h"

namespace montira::cli {

// montira-cli header --save OUT --name T --sector T --company T, or header --show FILE (the
// three texts, one a line, in UTF-8).
int RunHeader(const QStringList& args) {
    HeaderArgs a;
    QString message;
    if (!ParseHeaderArgs(args, a, message)) {
        std::fputs(qPrintable(message), stderr);
        return kUsage;
    }
    QString error;
    if (!a.show) {
        const HeaderTexts h{a.name, a.sector, a.company};
        if (SaveHeaderFile(a.file, h, &error) != SaveOutcome::Saved) {
            std::fprintf(stderr, "montira-cli header: %s\n", qPrintable(error));
            return kFailure;
        }
        return kDone;
    }
    HeaderTexts h;
    if (LoadHeaderFile(a.file, h, &error) != HeaderLoad::Loaded) {
        std::fprintf(stderr, "montira-cli header: %s\n", qPrintable(error));
        return kUsage;
    }
    const QByteArray text = (h.name + u'\n' + h.sector + u'\n' + h.company + u'\n').toUtf8();
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    return kDone;
}

}  // namespace montira::cli
