#include "ui/panel/PanelStartOptions.h"

namespace montira {

StartOptions ParseStartOptions(const QStringList& args) {
    StartOptions o;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        auto value = [&](QString* into) {
            if (i + 1 >= args.size() || args[i + 1].isEmpty()) {
                o.error = QStringLiteral("%1 pede um valor").arg(a);
                return;
            }
            *into = args[++i];
        };
        if (a == QLatin1String("--port")) {
            value(&o.port);
        } else if (a.startsWith(QLatin1String("--port="))) {
            if (a.size() > 7) o.port = a.mid(7);  // an empty one is not given: it clears nothing
        } else if (a == QLatin1String("--open")) {
            value(&o.openFile);
        } else if (a.startsWith(QLatin1String("--open="))) {
            if (a.size() > 7) o.openFile = a.mid(7);
        } else if (a == QLatin1String("--lang") || a.startsWith(QLatin1String("--lang="))) {
            if (a.size() > 6)
                o.lang = a.mid(7);
            else
                value(&o.lang);
            if (o.error.isEmpty() && o.lang != QLatin1String("pt") && o.lang != QLatin1String("en"))
                o.error = QStringLiteral("--lang aceita pt ou en: %1").arg(o.lang);
        } else if (a == QLatin1String("--selftest-accept-port")) {
            o.selftestAcceptPort = true;
        } else if (a == QLatin1String("--selftest-exit-after-values")) {
            o.selftestExitAfterValues = true;
            o.selftestAcceptPort = true;
        } else if (a == QLatin1String("--selftest-trace-values")) {
            o.selftestTraceValues = true;
            o.selftestAcceptPort = true;
        } else if (a == QLatin1String("--selftest-open")) {
            QString which;
            value(&which);
            if (which == QLatin1String("graph")) o.selftestOpen = StartOptions::Window::Graph;
            if (which == QLatin1String("workload")) o.selftestOpen = StartOptions::Window::WorkLoad;
            if (o.error.isEmpty() && o.selftestOpen == StartOptions::Window::None)
                o.error = QStringLiteral("%1 %2: graph ou workload").arg(a, which);
            o.selftestAcceptPort = true;
        } else if (a.startsWith(QLatin1String("--")) || a == QLatin1String("-")) {
            o.error = QStringLiteral("opção desconhecida: %1").arg(a);
        } else if (o.openFile.isEmpty()) {
            o.openFile = a;  // a lone file path, as when a .plv file is opened with the program
        } else {
            o.error = QStringLiteral("só um arquivo de cada vez: %1").arg(a);
        }
        if (!o.error.isEmpty()) break;
    }
    return o;
}

}  // namespace montira
