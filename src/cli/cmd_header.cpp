#include <cstdio>

#include "cli/Commands.h"
#include "cli/Options.h"
#include "core/tables/HeaderFile.h"

namespace montira::cli {

// montira-cli header --save OUT --name T --sector T --company T, or header --show FILE (the
// three texts, one a line, in UTF-8).
int RunHeader(const QStringList& args) {
    Options o;
    QString error;
    const bool parsed =
        ParseOptions(args, {"--save", "--show", "--name", "--sector", "--company"}, {}, o, error);
    if (!parsed || o.has("--save") == o.has("--show")) {
        if (!error.isEmpty()) std::fprintf(stderr, "montira-cli header: %s\n", qPrintable(error));
        std::fputs(
            "uso: montira-cli header --save SAIDA --name T --sector T --company T | "
            "--show ARQUIVO\n",
            stderr);
        return kUsage;
    }
    if (o.has("--save")) {
        const HeaderTexts h{o.value("--name"), o.value("--sector"), o.value("--company")};
        if (SaveHeaderFile(o.value("--save"), h, &error) != SaveOutcome::Saved) {
            std::fprintf(stderr, "montira-cli header: %s\n", qPrintable(error));
            return kFailure;
        }
        return kDone;
    }
    HeaderTexts h;
    if (LoadHeaderFile(o.value("--show"), h, &error) != HeaderLoad::Loaded) {
        std::fprintf(stderr, "montira-cli header: %s\n", qPrintable(error));
        return kUsage;
    }
    const QByteArray text = (h.name + u'\n' + h.sector + u'\n' + h.company + u'\n').toUtf8();
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    return kDone;
}

}  // namespace montira::cli
