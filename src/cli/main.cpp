#include <QCoreApplication>
#include <QStringList>
#include <cstdio>
#include <cstring>

#include "cli/Commands.h"

// montira-cli: scriptable access to the meter and the program's files.
// Exit codes: 0 done; 1 other failure; 2 usage or bad input; 3 meter not answering;
// 4 nothing stored in the meter.
int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "plot") == 0) return montira::cli::RunPlot(argc, argv);
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    if (args.isEmpty()) {
        std::fputs("uso: montira-cli decode|sim|record|memory|workload|plot ...\n", stderr);
        return montira::cli::kUsage;
    }
    const QString verb = args.takeFirst();
    if (verb == "decode") return montira::cli::RunDecode(args);
    if (verb == "sim") return montira::cli::RunSim(args);
    if (verb == "record") return montira::cli::RunRecord(args);
    if (verb == "memory") return montira::cli::RunMemory(args);
    if (verb == "workload") return montira::cli::RunWorkload(args);
    std::fprintf(stderr, "montira-cli: comando desconhecido: %s\n", qPrintable(verb));
    return montira::cli::kUsage;
}
