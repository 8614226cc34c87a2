#include "cli/SimArgs.h"

#include "cli/Usage.h"

namespace montira::cli {

bool ParseSimArgs(const QStringList& args, SimArgs& a, QString& message) {
    for (int i = 0; i < args.size(); ++i) {
        const QString& k = args[i];
        if (k == "--pty") continue;  // the only transport there is
        if (k == "--paced") {
            a.paced = true;
        } else if (k == "--empty-logger") {
            a.emptyLogger = true;
        } else if (k == "--full-logger") {
            a.fullLogger = true;
        } else if (k == "--no-manual") {
            a.noManual = true;
        } else if (k == "--control") {
            a.control = true;
        } else if (k == "--link" && i + 1 < args.size()) {
            a.link = args[++i];
        } else if (k == "--period") {
            if (i + 1 >= args.size()) {
                message = RefusalText("sim", QStringLiteral("--period quer um valor em segundos"));
                return false;
            }
            bool ok = false;
            a.period = args[++i].toDouble(&ok);
            if (!ok || !(a.period >= 0.01) || a.period > 3600) {
                message = QStringLiteral(
                              "montira-cli sim: --period %1: quer segundos entre 0.01 e 3600\n")
                              .arg(args[i]);
                return false;
            }
        } else {
            message = RefusalText("sim", QStringLiteral("argumento desconhecido: %1").arg(k));
            return false;
        }
    }
    if (a.emptyLogger && a.fullLogger) {
        message = QStringLiteral("montira-cli sim: --empty-logger e --full-logger se excluem\n");
        return false;
    }
    return true;
}

}  // namespace montira::cli
