#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>
#include <memory>

#include "cli/Commands.h"
#include "cli/Usage.h"

// montira-cli: scriptable access to the meter and the program's files.
// Exit codes: 0 done; 1 other failure; 2 usage or bad input; 3 meter not answering;
// 4 nothing stored in the meter.
int main(int argc, char** argv) {
    // Help is answered before any application starts: no display, no fonts, quick enough for
    // the shell's completion to ask it.
    const montira::cli::HelpRequest help = montira::cli::ReadHelpRequest(argc, argv);
    switch (help.kind) {
        case montira::cli::HelpRequest::Overall: {
            const QByteArray t = montira::cli::OverallHelp();
            std::fwrite(t.constData(), 1, size_t(t.size()), stdout);
            return std::fflush(stdout) == 0 ? montira::cli::kDone : montira::cli::kFailure;
        }
        case montira::cli::HelpRequest::Command: {
            const QByteArray t = montira::cli::CommandHelpText(*help.command);
            std::fwrite(t.constData(), 1, size_t(t.size()), stdout);
            return std::fflush(stdout) == 0 ? montira::cli::kDone : montira::cli::kFailure;
        }
        case montira::cli::HelpRequest::UnknownCommand:
            std::fprintf(stderr,
                         "montira-cli: comando desconhecido: %s\n"
                         "os comandos: montira-cli --help\n",
                         help.name.constData());
            return montira::cli::kUsage;
        case montira::cli::HelpRequest::None:
            break;
    }
    // Printing and drawing need fonts, so these run a GUI application (offscreen unless told).
    const bool gui = argc > 1 && (qstrcmp(argv[1], "print") == 0 || qstrcmp(argv[1], "plot") == 0 ||
                                  qstrcmp(argv[1], "evaluate") == 0);
    if (gui && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app(gui ? new QGuiApplication(argc, argv)
                                              : new QCoreApplication(argc, argv));
    QStringList args = app->arguments();
    args.removeFirst();
    if (args.isEmpty()) {
        const QByteArray t = montira::cli::ShortUsage();
        std::fwrite(t.constData(), 1, size_t(t.size()), stderr);
        return montira::cli::kUsage;
    }
    const QString verb = args.takeFirst();
    if (verb == "decode") return montira::cli::RunDecode(args);
    if (verb == "sim") return montira::cli::RunSim(args);
    if (verb == "record") return montira::cli::RunRecord(args);
    if (verb == "memory") return montira::cli::RunMemory(args);
    if (verb == "workload") return montira::cli::RunWorkload(args);
    if (verb == "clock") return montira::cli::RunClock(args);
    if (verb == "sampling") return montira::cli::RunSampling(args);
    if (verb == "poweroff") return montira::cli::RunPowerOff(args);
    if (verb == "erase") return montira::cli::RunErase(args);
    if (verb == "key") return montira::cli::RunKey(args);
    if (verb == "manual") return montira::cli::RunManual(args);
    if (verb == "print") return montira::cli::RunPrint(args);
    if (verb == "export") return montira::cli::RunExport(args);
    if (verb == "header") return montira::cli::RunHeader(args);
    if (verb == "plot") return montira::cli::RunPlot(args);
    if (verb == "evaluate") return montira::cli::RunEvaluate(args);
    if (verb == "phs") return montira::cli::RunPhs(args);
    std::fprintf(stderr, "montira-cli: comando desconhecido: %s\nos comandos: montira-cli --help\n",
                 qPrintable(verb));
    return montira::cli::kUsage;
}
