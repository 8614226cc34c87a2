// montira-screenshots [--lang en|pt] FOLDER: shows each window with made-up contents, offscreen,
// and writes a PNG of it into FOLDER (panel, port, file list, work load, reference, and the windows
// the toolbar opens: the header texts, the live list, the keypad, the manual records, the chart).
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "app/Language.h"
#include "core/link/NoData.h"
#include "core/record/DataFile.h"
#include "core/record/DataFileOpen.h"
#include "support/PanelRig.h"
#include "ui/graphs/RealTime24.h"
#include "ui/link/NoPortMessage.h"
#include "ui/link/Port.h"
#include "ui/memory/MeterBtn.h"
#include "ui/panel/ToolbarDialogs.h"
#include "ui/tables/AddText.h"
#include "ui/tables/FileList.h"
#include "ui/tables/List.h"
#include "ui/tables/Manual.h"
#include "ui/workload/Reference.h"
#include "ui/workload/WorkLoad.h"

using namespace montira;

namespace {

bool Save(QWidget& w, const QDir& dir, const char* name) {
    QCoreApplication::processEvents();
    const bool ok = w.grab().save(dir.filePath(name));
    std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "wrote" : "could not write", name);
    return ok;
}

bool PanelWindow(const QDir& dir) {
    test::PanelRig rig(test::PanelRig::Toolbar);
    rig.panel.show();
    rig.panel.timer1Tick();
    rig.wiring->recorder().applySaveDialog(true, rig.dir.filePath("ensaio.plv"));
    rig.wiring->recorder().start();
    rig.state.SampleInterval = 1;
    for (int i = 0; i < 3; ++i) rig.panel.timer2Tick();
    return Save(rig.panel, dir, "panel.png");
}

class NoPorts : public PortProbe {
public:
    OpenOutcome probe(const QString&) override { return OpenOutcome::Missing; }
};

bool PortDialog(const QDir& dir) {
    AppState state;
    NoPorts probe;
    PortSources s;
    s.systemPorts = [] {
        return QList<SystemPort>{{"/dev/ttyUSB0", "USB-Serial Controller", "Prolific"}};
    };
    s.probe = &probe;
    Port dialog(state, s);
    dialog.preselect("SIM");
    dialog.show();
    return Save(dialog, dir, "port.png");
}

// The main window before the meter answers, its message boxes and the toolbar's own dialogs,
// and the port window's offer of the simulated meter: each dialog is grabbed once it shows,
// then dismissed.
bool PanelDialogs(const QDir& dir) {
    bool ok = true;
    // Waits for the next modal dialog (the port window's scan lets events run before its
    // message shows), grabs it and dismisses it.
    std::function<void(const char*)> grabNext = [&](const char* name) {
        QTimer::singleShot(10, [&, name] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w) return grabNext(name);
            ok = Save(*w, dir, name) && ok;
            if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
        });
    };
    test::PanelRig rig(test::PanelRig::Toolbar);
    rig.panel.show();
    rig.panel.widgets().LblCOM->setText(NoLinkCaption());  // as while the meter is silent
    ok = Save(rig.panel, dir, "panel-nolink.png") && ok;
    ToolbarDialogs dialogs(&rig.panel, rig.state);
    QString answer;
    grabNext("noport.png");
    MakeNoPortMessage(
        QCoreApplication::translate("montira", "Não foi possível abrir %1.").arg("/dev/ttyUSB0"))
        ->exec();
    grabNext("recording-error.png");
    dialogs.busyMessage();
    grabNext("erase.png");
    dialogs.confirmErase();
    grabNext("sample.png");
    dialogs.inputBox(ToolbarCommands::SamplePrompt(), ToolbarCommands::SampleTitle(), "2", &answer);
    grabNext("file-problem.png");
    dialogs.fileProblem(CutLinesMessage("/home/ana/ensaio.plv", 3));
    grabNext("save.png");
    dialogs.saveDataDialog(&answer);
    grabNext("open.png");
    dialogs.openDataDialog(&answer);

    AppState state;
    NoPorts probe;
    PortSources sources;
    sources.systemPorts = [] { return QList<SystemPort>{}; };
    sources.probe = &probe;
    Port port(state, sources);
    port.show();
    grabNext("port-noport.png");
    port.autoScan();
    return ok;
}

bool FileListWindow(const QDir& dir) {
    TextTable rows;
    for (int i = 1; i <= 300; ++i)
        rows.appendRow({QString::number(i), "24/01/01", "10:00:00", "28.4", "18.0", "22.1", "29.6",
                        "25.1", "24.8", "31.2", "1.6", "- - -"});
    FileList w;
    w.setHeaderTexts("Maria Souza", "Fundição", "Metalúrgica Alfa");
    w.setRows(rows);
    w.setCaption("ensaio.plv");
    w.show();
    return Save(w, dir, "filelist.png");
}

bool WorkLoadWindows(const QDir& dir) {
    AppState state;
    Recorder recorder{state};
    SampleTicker ticker{state, recorder};
    ui::WorkLoad w(state, &ticker);
    w.show();
    const auto choose = [&](const char* combo, const QString& entry) {
        auto* box = w.findChild<QComboBox*>(combo);
        const int i = box->findText(entry);
        box->setCurrentIndex(i);
        emit box->activated(i);
    };
    const auto tick = [&](const char* box) { w.findChild<QCheckBox*>(box)->click(); };
    tick("CkBody1");
    choose("Combo11", "40");
    tick("CkType3");
    tick("CkHL6");
    choose("Combo6", "15");
    choose("ComboCloth", QStringLiteral("Casaco de algodão"));
    w.findChild<QLineEdit*>("TxtName")->setText("Maria Souza");
    w.findChild<QLineEdit*>("TxtCompany")->setText(QStringLiteral("Metalúrgica Exemplo"));
    state.live.reading.WbgtIndoorText = "27.84";
    state.live.reading.WbgtOutdoorText = "29.61";
    state.SampleTick = 0;
    ticker.tick(QDateTime::currentDateTime());
    QTest::qWait(150);  // the 50 ms repair shows the minute captions
    bool ok = Save(w, dir, "workload.png");
    w.findChild<QPushButton*>("CmdReference")->click();
    auto* ref = w.findChild<ui::Reference*>();
    return ref && Save(*ref, dir, "reference.png") && ok;
}

template <class T>
T* ChildOf(QWidget& parent) {
    for (QObject* o : parent.children())
        if (auto* t = dynamic_cast<T*>(o)) return t;
    return nullptr;
}

// The windows that the main toolbar opens, as a user fills them: the header texts typed once
// go into the live list and the manual records.
bool ToolbarWindows(const QDir& dir) {
    test::PanelRig rig(test::PanelRig::Windows);
    rig.panel.show();
    rig.panel.timer1Tick();
    bool ok = true;
    rig.click(ToolbarCommand::AddText);
    auto* header = ChildOf<AddText>(rig.panel);
    if (!header) return false;
    header->TxtName->setText("Maria Souza");
    header->TxtSector->setText(QStringLiteral("Fundição"));
    header->TxtCompany->setText(QStringLiteral("Metalúrgica Exemplo"));
    ok = Save(*header, dir, "addtext.png") && ok;
    rig.click(ToolbarCommand::List);
    rig.click(ToolbarCommand::Graph);
    rig.state.SampleInterval = 1;
    for (int i = 0; i < 12; ++i) {
        rig.panel.timer1Tick();
        rig.panel.timer2Tick();
    }
    if (auto* list = ChildOf<List>(rig.panel)) {
        list->resize(900, 400);
        ok = Save(*list, dir, "list.png") && ok;
    }
    if (auto* chart = ChildOf<RealTime24>(rig.panel)) {
        for (int i = 0; i < 90; ++i) chart->drawTick(QTime(10, 0, 0).addSecs(i));
        ok = Save(*chart, dir, "realtime24.png") && ok;
    }
    rig.click(ToolbarCommand::Btn);
    auto* keypad = ChildOf<MeterBtn>(rig.panel);
    if (!keypad) return false;
    rig.panel.timer1Tick();
    ok = Save(*keypad, dir, "meterbtn.png") && ok;
    keypad->readAll();
    QCoreApplication::processEvents();
    if (auto* manual = ChildOf<Manual>(rig.panel)) {
        manual->resize(900, 300);
        ok = Save(*manual, dir, "manual.png") && ok;
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Language language = Language::Portuguese;
    if (argc == 4 && qstrcmp(argv[1], "--lang") == 0 && LanguageOfCode(argv[2], &language)) {
        argv += 2;
        argc -= 2;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: montira-screenshots [--lang en|pt] FOLDER\n");
        return 2;
    }
    InstallLanguage(app, language);
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(".")) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    bool ok = PanelWindow(dir);
    ok = PortDialog(dir) && ok;
    ok = PanelDialogs(dir) && ok;
    ok = FileListWindow(dir) && ok;
    ok = WorkLoadWindows(dir) && ok;
    ok = ToolbarWindows(dir) && ok;
    return ok ? 0 : 1;
}
