#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QSettings>
#include <QTextStream>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "app/Language.h"
#include "app/QuitSignals.h"
#include "core/AppState.h"
#include "core/link/SteadyClock.h"
#include "ui/link/MeterConnection.h"
#include "ui/link/NoPortMessage.h"
#include "ui/link/Port.h"
#include "ui/panel/Panel.h"
#include "ui/panel/PanelStartOptions.h"
#include "ui/panel/ToolbarWiring.h"
#include "ui/panel/WindowPlugs.h"

namespace {

// --selftest-exit-after-values: print what the panel shows, once, and end.
void PrintPanelValues(const montira::PanelWidgets& w, char separator = '\n') {
    QTextStream out(stdout);
    const std::pair<const char*, QLabel*> shown[] = {
        {"LblCOM", w.LblCOM},     {"LblTemperature", w.LblTemperature},
        {"lblWet", w.lblWet},     {"LblGlobe", w.LblGlobe},
        {"LblRH", w.LblRH},       {"LblDew", w.LblDew},
        {"LblHi", w.LblHi},       {"LblHumidex", w.LblHumidex},
        {"LblWBGTi", w.LblWBGTi}, {"LblWBGTo", w.LblWBGTo},
        {"LblWind", w.LblWind},   {"LblUnitWind", w.LblUnitWind},
        {"LblTwc", w.LblTwc}};
    for (const auto& [name, label] : shown) out << name << '=' << label->text() << separator;
    if (separator != '\n') out << '\n';
    out.flush();
}

constexpr const char kUsage[] =
    "uso: montira [--port ID] [--lang pt|en] [--open ARQUIVO | ARQUIVO]\n"
    "     montira --help | --version\n";

constexpr const char kHelpDetails[] =
    "\n"
    "O programa do medidor de estresse térmico: leituras ao vivo, registro em arquivos .plv,\n"
    "a memória do medidor, listas, gráficos, impressão e a avaliação da carga de trabalho.\n"
    "\n"
    "  --port ID        pré-seleciona a porta no diálogo de portas: um número N (COMN no\n"
    "                   Windows, /dev/ttyS(N-1) no Linux), um dispositivo como /dev/ttyUSB0,\n"
    "                   ou SIM para o medidor simulado\n"
    "  --lang pt|en     o idioma da interface, lembrado para a próxima vez (sem ele: o do\n"
    "                   sistema)\n"
    "  --open ARQUIVO   abre um arquivo de dados (.plv) ao iniciar; ARQUIVO sozinho também\n"
    "  --help           esta ajuda\n"
    "  --version        a versão\n"
    "\n"
    "SIGINT e SIGTERM fecham o programa como o fechamento da janela: o registro em curso é\n"
    "fechado e a porta liberada.\n";

}  // namespace

#ifndef MONTIRA_VERSION
#define MONTIRA_VERSION "dev"
#endif

int main(int argc, char** argv) {
    // Answered before the application starts, so they work without a display.
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--version") == 0) {
            std::printf("montira %s\n", MONTIRA_VERSION);
            return std::fflush(stdout) == 0 ? 0 : 1;
        }
        if (qstrcmp(argv[i], "--help") == 0 || qstrcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            std::fputs(kHelpDetails, stdout);
            return std::fflush(stdout) == 0 ? 0 : 1;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("montira"));
    QApplication::setApplicationVersion(QStringLiteral(MONTIRA_VERSION));
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    const montira::StartOptions options = montira::ParseStartOptions(args);
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "montira: %s\n%s", qPrintable(options.error), kUsage);
        return 2;
    }
    {
        QSettings settings(QStringLiteral("montira"), QStringLiteral("montira"));
        const montira::Language language = montira::ChooseLanguage(
            options.lang, montira::RememberedLanguage(settings), QLocale::system().uiLanguages());
        if (!options.lang.isEmpty()) montira::RememberLanguage(settings, language);
        if (!montira::InstallLanguage(app, language))
            std::fprintf(stderr, "montira: the English translation is missing; using Portuguese\n");
    }

    // SIGINT and SIGTERM close the program as its window's close does; before the panel is
    // up (the port dialog) there is nothing to close but the dialog.
    montira::QuitSignals quitSignals;
    montira::Panel* shownPanel = nullptr;
    quitSignals.onSignal = [&shownPanel](int) {
        if (shownPanel)
            shownPanel->close();
        else
            QCoreApplication::exit(0);
    };

    montira::AppState state;
    montira::SteadyClock clock;

    montira::Port port(state);
    if (!options.port.isEmpty()) port.preselect(options.port);
    if (options.selftestAcceptPort) QTimer::singleShot(0, &port, &montira::Port::ok);
    if (port.exec() != QDialog::Accepted) return 0;

    montira::MeterConnection meter = montira::MakeMeterConnection(state.link.PortId, clock);
    montira::Panel panel(state, *meter.port, clock);
    auto* toolbar = new montira::ToolbarWiring(panel);  // owned by the panel
    montira::PlugWindows(panel, *toolbar);
    panel.startOptions() = options;
    QString reason;
    if (!panel.load(&reason)) {
        if (options.selftestExitAfterValues) {
            std::fprintf(stderr, "montira: Não há porta COM disponível: %s\n", qPrintable(reason));
            return 1;
        }
        montira::MakeNoPortMessage(reason)->exec();
        return 1;
    }
    // The self-tests follow the live events as a window does.
    montira::LiveFollowers::Subscription selftest;
    if (options.selftestExitAfterValues || options.selftestTraceValues) {
        selftest = panel.session().follow([&panel, &options](const montira::LiveEvent& e) {
            if (e.kind != montira::LiveEvent::Frame) return;
            if (options.selftestTraceValues) PrintPanelValues(panel.widgets(), '\t');
            if (!options.selftestExitAfterValues) return;
            PrintPanelValues(panel.widgets());
            QTimer::singleShot(0, &panel, &QWidget::close);
        });
    }
    panel.show();
    shownPanel = &panel;
    montira::LiveFollowers::Subscription selftestOpen;
    if (options.selftestOpen != montira::StartOptions::Window::None) {
        // The toolbar is inert until the meter answers: the window opens with the first values.
        const auto command = options.selftestOpen == montira::StartOptions::Window::Graph
                                 ? montira::ToolbarCommand::Graph
                                 : montira::ToolbarCommand::Environment;
        auto opened = std::make_shared<bool>(false);
        selftestOpen =
            panel.session().follow([toolbar, command, opened](const montira::LiveEvent& e) {
                if (e.kind != montira::LiveEvent::Frame || *opened) return;
                *opened = true;
                QTimer::singleShot(0, toolbar,
                                   [toolbar, command] { toolbar->dispatch().dispatch(command); });
            });
    }
    if (!options.openFile.isEmpty()) {
        QTimer::singleShot(0, &panel,
                           [toolbar, path = options.openFile] { toolbar->openFile(path); });
    }
    const int rc = app.exec();
    panel.link().close();
    return rc;
}
