// montira-screenshots [--lang en|pt] FOLDER: shows each window with made-up contents, offscreen,
// and writes a PNG of it into FOLDER (panel, port, file list, work load, reference, and the windows
// the toolbar opens: the header texts, the live list, the keypad, the manual records, the chart,
// the logger's windows and the meter settings; the data plot, the scale dialogs and channel
// choosers, the heat-exposure evaluation with its report as evaluation_report.pdf and in the
// print preview).
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSize>
#include <QPainter>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/Language.h"
#include "core/link/NoData.h"
#include "core/record/DataFile.h"
#include "core/record/DataFileOpen.h"
#include "core/workload/HourClimate.h"
#include "support/PanelRig.h"
#include "ui/graphs/ListPlot1.h"
#include "ui/graphs/RealTime24.h"
#include "ui/link/NoPortMessage.h"
#include "ui/link/Port.h"
#include "ui/memory/Memory.h"
#include "ui/memory/MemoryDownload.h"
#include "ui/memory/MeterBtn.h"
#include "ui/memory/SamplingDialogs.h"
#include "ui/memory/Setup.h"
#include "ui/panel/ToolbarDialogs.h"
#include "ui/tables/AddText.h"
#include "ui/tables/DataList.h"
#include "ui/tables/FileList.h"
#include "ui/tables/List.h"
#include "ui/tables/Manual.h"
#include "ui/tables/ModelGrid.h"
#include "ui/tables/ProgressPump.h"
#include "ui/tables/TableTools.h"
#include "ui/workload/Evaluation.h"
#include "ui/workload/HeatStrain.h"
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
    rig.connect();
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
    ToolbarDialogs dialogs(&rig.panel, rig.panel.panelState());
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
    w.findChild<QComboBox*>("ComboCloth")->setCurrentIndex(1);  // cotton
    emit w.findChild<QComboBox*>("ComboCloth")->activated(1);
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

// The screen's free area as the user sees it: the main window and `w` where they were
// placed (a window beside the main window must stay on the screen).
bool Desktop(QWidget& panel, QWidget& w, const QDir& dir, const char* name) {
    QCoreApplication::processEvents();
    const QRect screen = panel.screen()->availableGeometry();
    QImage desk(screen.size(), QImage::Format_RGB32);
    desk.fill(QColor(60, 90, 120));
    QPainter p(&desk);
    for (QWidget* x : {&panel, &w}) {
        const QPoint at = x->frameGeometry().topLeft() - screen.topLeft();
        p.drawPixmap(at, x->grab());
        p.setPen(QPen(Qt::red, 2));
        p.drawRect(QRect(at, x->frameGeometry().size()).adjusted(0, 0, -1, -1));
    }
    p.end();
    const bool ok = desk.save(dir.filePath(name));
    if (!ok) std::fprintf(stderr, "cannot write %s\n", name);
    return ok;
}

// The windows that the main toolbar opens, as a user fills them: the header texts typed once
// go into the live list and the manual records.
bool ToolbarWindows(const QDir& dir) {
    test::PanelRig rig(test::PanelRig::Windows);
    rig.panel.show();
    rig.connect();
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
        rig.clock.advance(1000);
        rig.panel.timer2Tick();
    }
    if (auto* list = ChildOf<List>(rig.panel)) {
        ok = Desktop(rig.panel, *list, dir, "desktop_list.png") && ok;
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
    rig.clock.advance(1000);
    ok = Save(*keypad, dir, "meterbtn.png") && ok;
    keypad->readAll();
    rig.until([&rig] { return !rig.panel.link().busy(); }, 120000);
    QCoreApplication::processEvents();
    if (auto* manual = ChildOf<Manual>(rig.panel)) {
        ok = Desktop(rig.panel, *manual, dir, "desktop_manual.png") && ok;
        manual->resize(900, 300);
        ok = Save(*manual, dir, "manual.png") && ok;
    }
    return ok;
}

// Deals with the modal windows that open while it lives, one step each in turn, once the
// window has had time to lay itself out. A step grabs the window and answers it.
class ModalSteps {
public:
    using Step = std::function<void(QWidget*)>;
    explicit ModalSteps(std::vector<Step> steps) : steps_(std::move(steps)) {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] { look(); });
        timer_.start();
    }
    bool allDone() const { return next_ == steps_.size(); }

private:
    void look() {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || w == last_ || waiting_ || next_ >= steps_.size()) return;
        last_ = w;
        waiting_ = true;
        QTimer::singleShot(300, w, [this, w] {
            waiting_ = false;
            steps_[next_++](w);
        });
    }
    std::vector<Step> steps_;
    size_t next_ = 0;
    bool waiting_ = false;
    QPointer<QWidget> last_;
    QTimer timer_;
};

// Grabs a modal window into `name`, then answers it with `answer`.
ModalSteps::Step GrabThen(const QDir& dir, const char* name, bool* ok,
                          std::function<void(QWidget*)> answer) {
    return [&dir, name, ok, answer](QWidget* w) {
        *ok = Save(*w, dir, name) && *ok;
        answer(w);
    };
}

void Reject(QWidget* w) {
    if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
}

void ClickOk(QWidget* w) {
    if (auto* b = w->findChild<QPushButton*>("CmdOK")) b->click();
}

// The logger's windows and the meter settings, reached through the main toolbar with the
// simulated meter: the sets, the erase question, a set's data list with its CSV choice,
// print preview and progress, the sampling dialogs and input box, the power-off input box
// and the clock window.
bool MemoryWindows(const QDir& dir) {
    test::PanelRig rig(test::PanelRig::Windows);
    rig.panel.show();
    if (!rig.connect()) return false;
    bool ok = true;
    rig.click(ToolbarCommand::Memory);
    rig.until([&rig] { return !rig.panel.link().busy(); }, 120000);
    QCoreApplication::processEvents();
    Memory* memory = FindMemoryWindow(&rig.panel);
    if (!memory) return false;
    ok = Save(*memory, dir, "memory.png") && ok;
    {
        ModalSteps steps({GrabThen(dir, "memory-erase.png", &ok, Reject)});
        memory->confirmErase();
    }

    memory->openSetOfRow(0);
    QTest::qWait(50);
    auto* list = ChildOf<DataList>(rig.panel);
    if (!list) return false;
    list->TxtName->setText("Maria Souza");
    list->TxtSector->setText(QStringLiteral("Fundição"));
    list->TxtCompany->setText(QStringLiteral("Metalúrgica Exemplo"));
    ok = Save(*list, dir, "datalist.png") && ok;
    {
        CsvChoice choice;
        ModalSteps steps({GrabThen(dir, "csvchoice.png", &ok, Reject)});
        ExportWithDialog(list, ModelGrid(*list->modelC()), {"Maria Souza", "", ""}, choice);
    }
    {
        ModalSteps steps({[](QWidget* w) {
                              if (auto* d = qobject_cast<QDialog*>(w)) d->accept();
                          },
                          GrabThen(dir, "printpreview.png", &ok, Reject)});
        list->action(QStringLiteral("Print"))->trigger();
    }
    {
        ProgressPump pump(list, DataList::caption());
        const RowProgress progress = pump.progress();
        QTest::qWait(450);
        progress(250, 1000);
        QTest::qWait(60);
        progress(250, 1000);
        if (auto* d = list->findChild<QProgressDialog*>()) ok = Save(*d, dir, "progress.png") && ok;
    }
    list->close();
    memory->close();

    {
        ModalSteps steps({GrabThen(dir, "samplingchoice.png", &ok, ClickOk),
                          GrabThen(dir, "minsec.png", &ok, ClickOk),
                          GrabThen(dir, "sampling-input.png", &ok, Reject)});
        rig.click(ToolbarCommand::Sample);
        ok = steps.allDone() && ok;
    }
    {
        ModalSteps steps({GrabThen(dir, "poweroff.png", &ok, Reject)});
        rig.click(ToolbarCommand::PowerOff);
        ok = steps.allDone() && ok;
    }
    {
        ModalSteps steps({GrabThen(dir, "setup.png", &ok, Reject)});
        rig.click(ToolbarCommand::SetTime);
        ok = steps.allDone() && ok;
    }
    return ok;
}

// Up to three hours of one reading a minute; IBUTGi higher from 09:00 to 09:59, a gap of 20 minutes
// in the last hour.
TextTable HeatRows(int minutes = 180) {
    TextTable t;
    for (int i = 0; i < minutes; ++i) {
        if (i >= 150 && i < 170) continue;
        const QString time = QStringLiteral("%1:%2:00")
                                 .arg(8 + i / 60, 2, 10, QLatin1Char('0'))
                                 .arg(i % 60, 2, 10, QLatin1Char('0'));
        const double wbgt = (i >= 60 && i < 120 ? 28.6 : 25.1) + (i % 7) * 0.1;
        t.appendRow({QString::number(t.rowCount() + 1), "24/03/07", time,
                     QString::number(30 + (i % 11) * 0.2, 'f', 1), "18.0", "22.0", "31.0",
                     QString::number(wbgt, 'f', 1), "27.0", "33.0", "0.5", "- - -"});
    }
    return t;
}

const QStringList kHeatHeading = {"(°C)", "Data",   "Hora",   "Seco",  "Orvalho", "Úmido",
                                  "I.C.", "IBUTGi", "IBUTGo", "Globo", "m/s",     "Twc"};

// The dialog `name` that `owner` keeps hidden until asked for, shown and grabbed.
bool SaveDialog(QWidget& owner, const char* name, const QDir& dir, const char* file) {
    auto* d = owner.findChild<QDialog*>(name);
    if (!d) return true;
    d->show();
    return Save(*d, dir, file);
}

// The data plot with its scale dialog and channel chooser, the live chart's scale dialog.
bool GraphWindows(const QDir& dir) {
    bool ok = true;
    ListPlot1 plot;
    plot.resize(800, 600);
    plot.plotTable(HeatRows(), QStringLiteral("( °C )"),
                   {"Maria Souza", QStringLiteral("Fundição"), QStringLiteral("Metalúrgica Alfa")});
    QCoreApplication::processEvents();
    plot.setCursorAt(plot.geometry().left + plot.geometry().width * 0.4);
    plot.update();
    ok = Save(plot, dir, "listplot1.png") && ok;
    ok = SaveDialog(plot, "PlotRange", dir, "plotrange.png") && ok;
    ok = SaveDialog(plot, "PlotAll", dir, "plotall.png") && ok;
    ChartSettings settings;
    RealTime24 chart(settings);
    chart.openChart();
    ok = SaveDialog(chart, "RealTimeRange", dir, "realtimerange.png") && ok;
    ok = SaveDialog(chart, "RealAll", dir, "realall.png") && ok;
    return ok;
}

// The keypad's display replica with every indicator lit and with only a few: the window keeps
// its size (printed), and each indicator its place.
bool ReplicaStates(const QDir& dir) {
    test::PanelRig rig(test::PanelRig::Windows);
    rig.panel.show();
    rig.connect();
    rig.click(ToolbarCommand::Btn);
    auto* keypad = ChildOf<MeterBtn>(rig.panel);
    if (!keypad) return false;
    ReplicaView lit;
    for (bool* b :
         {&lit.LblDry, &lit.lblWet,      &lit.LblGlobe, &lit.LblDew,  &lit.LblWBGTi, &lit.LblWBGTo,
          &lit.LcdU,   &lit.LcdD,        &lit.LblHi,    &lit.LblAuto, &lit.LblFull,  &lit.LblH,
          &lit.LblBt1, &lit.LblPowerOff, &lit.LblAVG,   &lit.LblTwc,  &lit.Lblfm,    &lit.Lblms,
          &lit.LblRun, &lit.LblM,        &lit.LblR,     &lit.UpF,     &lit.UpC,      &lit.DownF,
          &lit.DownC,  &lit.LblMax,      &lit.LblMin})
        *b = true;
    // The value texts, the record number, the clock's separators and the clock.
    auto texts = [](ReplicaView v, const char* up, const char* down, const char* no,
                    const char* sign, const char* hr, const char* mn, const char* sc) {
        v.LcdUText = QString::fromLatin1(up), v.LcdDText = QString::fromLatin1(down);
        v.LblNo = QString::fromLatin1(no);
        v.LblSign1 = v.LblSign2 = QString::fromLatin1(sign);
        v.LblHr = QString::fromLatin1(hr), v.LblMn = QString::fromLatin1(mn);
        v.LblSc = QString::fromLatin1(sc);
        return v;
    };
    auto shot = [&](const ReplicaView& v, const char* what, const char* file) {
        keypad->showReplica(v);
        QCoreApplication::processEvents();
        std::printf("keypad with %s: %dx%d\n", what, keypad->width(), keypad->height());
        return Save(*keypad, dir, file);
    };
    bool ok = shot(texts(lit, "-5905", "-199.9", "99", "/", "24", "03", "07"),
                   "every indicator lit", "meterbtn-lit.png");
    ReplicaView few;
    few.LblDry = few.LcdU = few.LcdD = few.LblHi = few.LblH = true;
    return shot(texts(few, "5.0", "- - -", "00", ":", "10", "00", "00"), "a few indicators lit",
                "meterbtn-few.png") &&
           ok;
}

// The data plot of a °F list (ft/m labels), zoomed by the wheel as far as it goes, and zoomed
// by a rectangle onto part of the values (the rest, and the "- - -" column, beyond it).
bool PlotDetails(const QDir& dir) {
    bool ok = true;
    TextTable f;
    const TextTable c = HeatRows();
    for (int r = 0; r < c.rowCount(); ++r) {
        QStringList row;
        for (int k = 0; k < TextTable::kColumns; ++k) row << c.field(r, k, 32);
        for (int k = 3; k <= 9; ++k) row[k] = QString::number(row[k].toDouble() * 1.8 + 32, 'f', 1);
        row[10] = QString::number(98 + (r % 13) * 37);
        f.appendRow(row);
    }
    {
        ListPlot1 plot;
        plot.resize(800, 600);
        plot.plotTable(f, QStringLiteral("( °F )"), {});
        QCoreApplication::processEvents();
        ok = Save(plot, dir, "listplot1-ftm.png") && ok;
    }
    ListPlot1 plot;
    plot.resize(800, 600);
    plot.plotTable(c, QStringLiteral("( °C )"), {});
    QCoreApplication::processEvents();
    const GraphLayout g = plot.geometry();
    const QPointF at(g.left + g.width * 0.3, g.bottom - g.height * (31.0 + 20) / 150);
    for (int i = 0; i < 60; ++i) {
        QWheelEvent e(at, plot.mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&plot, &e);
    }
    QCoreApplication::processEvents();
    std::printf("wheel zoom after 60 notches: records %lld-%lld, %g..%g\n", plot.view().from,
                plot.view().to, plot.view().scale.tempMin, plot.view().scale.tempMax);
    ok = Save(plot, dir, "listplot1-wheel.png") && ok;
    plot.resetZoom();
    // Records 30 to 170, 24 to 32 °C: the dry bulb and outdoor WBGT within, the rest beyond.
    const PlotView full = plot.view();
    const auto y = [&](double t) { return g.bottom - g.height * (t + 20) / 150; };
    plot.setView(ZoomToRect(
        g, full,
        QRectF(QPointF(RecordX(g, full, 30), y(32)), QPointF(RecordX(g, full, 150), y(24))),
        full.count()));
    QCoreApplication::processEvents();
    ok = Save(plot, dir, "listplot1-zoom.png") && ok;
    return ok;
}

// The heat-exposure evaluation, a partial hour, its report's first page and print preview.
// The heat-exposure evaluation over three situations (one measured at one height, one at
// three, one typed), a partial hour, the report's pages and its print preview.
bool EvaluationWindow(const QDir& dir) {
    ui::Evaluation w(
        kHeatHeading, HeatRows(),
        {"Maria Souza", QStringLiteral("Fundição"), QStringLiteral("Metalúrgica Alfa")});
    w.show();
    exposure::Survey s = w.survey();
    auto table = [](const char* name, double shift) {
        auto t = std::make_shared<exposure::SeriesSource>();
        t->file = QStringLiteral("/dados/%1").arg(QLatin1String(name));
        t->heading = kHeatHeading;
        const TextTable base = HeatRows(120);
        for (int r = 0; r < base.rowCount(); ++r) {
            QStringList f;
            for (int c = 0; c < TextTable::kColumns; ++c) f << base.field(r, c);
            f[7] = QString::number(f[7].toDouble() + shift, 'f', 1);
            t->rows.appendRow(f);
        }
        return t;
    };
    s.situations[0].description = QStringLiteral("Forno");
    s.situations[0].minutes = 30;
    s.situations[0].heights[0].file = QStringLiteral("/dados/forno.plv");
    exposure::Situation bench;
    bench.description = QStringLiteral("Bancada");
    bench.minutes = 20;
    for (auto [name, shift] :
         {std::pair{"cabeca.plv", 1.5}, {"abdomen.plv", 0.0}, {"tornozelo.plv", -2.0}}) {
        exposure::Height h;
        h.file = QStringLiteral("/dados/%1").arg(QLatin1String(name));
        h.loaded = table(name, shift);
        bench.heights.push_back(h);
    }
    exposure::Situation rest;
    rest.description = QStringLiteral("Descanso");
    rest.minutes = 10;
    rest.wbgt = 24.5;
    s.situations = {s.situations[0], bench, rest};
    const auto& activities = exposure::ActivityTable();
    s.activities = {{activities[20].shown(), activities[20].watts, 40, {}},
                    {activities[13].shown(), activities[13].watts, 20, {}}};
    s.clothingKey = QStringLiteral("macacao_sms");
    s.clothing = 0.5;
    s.hood = true;
    s.company = QStringLiteral("Metalúrgica Alfa");
    s.cnpj = QStringLiteral("12.345.678/0001-90");
    s.place = QStringLiteral("Galpão 2, forno de indução");
    s.evaluator = QStringLiteral("João Pereira");
    s.registration = QStringLiteral("CREA-SP 123456");
    s.instrument = {QStringLiteral("TGD-400"), QStringLiteral("A1234"), QStringLiteral("C-0987/26"),
                    QStringLiteral("15/01/2026")};
    s.notes = QStringLiteral("Medições com o forno em regime; ventilação natural.");
    w.setSurvey(s);
    w.selectSituation(1);
    bool ok = Save(w, dir, "evaluation.png");
    {
        ui::Evaluation shorter(kHeatHeading, HeatRows(40), {});  // less than an hour of data
        shorter.show();
        ok = Save(shorter, dir, "evaluation_partial.png") && ok;
    }
    ok = exposure::WriteExposurePdf(dir.filePath("evaluation_report.pdf"), w.report(), nullptr) &&
         ok;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintPreviewDialog preview(&printer, &w);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* p) {
        QPainter painter(p);
        exposure::DrawExposureReport(painter, *p, w.report());
    });
    preview.resize(900, 900);
    preview.show();
    QTest::qWait(100);
    return Save(preview, dir, "evaluation_preview.png") && ok;
}

// The predicted heat strain over the evaluation's worst hour, its report page and preview.
bool HeatStrainWindow(const QDir& dir) {
    const TextTable rows = HeatRows();
    const auto series = exposure::ReadWbgtSeries(kHeatHeading, rows, exposure::WbgtIndex::Indoor);
    const auto hour = exposure::WorstHour(series);
    const auto climate = heatstrain::HourClimate(kHeatHeading, rows, series, hour);
    if (!climate) return false;
    ui::HeatStrain w;
    w.setHeader({"Maria Souza", QStringLiteral("Fundição"), QStringLiteral("Metalúrgica Alfa")});
    w.setClimate(climate->ta, climate->tg, climate->va, climate->rh,
                 QStringLiteral("Médias da hora de %1 a %2 (%3 leituras)")
                     .arg(exposure::StampText(hour.start), exposure::StampText(hour.end))
                     .arg(climate->readings));
    w.show();
    bool ok = Save(w, dir, "heatstrain.png");
    {
        ui::HeatStrain typed;  // typed values: a radiant case in still air, not acclimatised
        typed.show();
        typed.TxtTa->setText("28");
        typed.TxtTg->setText("58");
        typed.TxtVa->setText("0");
        typed.TxtRh->setText("79.31");
        typed.CkAcclimatised->setChecked(false);
        ok = Save(typed, dir, "heatstrain_typed.png") && ok;
        typed.TxtTa->setText("55");
        ok = Save(typed, dir, "heatstrain_outside.png") && ok;
    }
    if (!w.report()) return false;
    ok = heatstrain::WriteHeatStrainPdf(dir.filePath("heatstrain_report.pdf"), *w.report(),
                                        nullptr) &&
         ok;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintPreviewDialog preview(&printer, &w);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* p) {
        QPainter painter(p);
        heatstrain::DrawHeatStrainReport(painter, *p, *w.report());
    });
    preview.resize(900, 900);
    preview.show();
    QTest::qWait(100);
    return Save(preview, dir, "heatstrain_preview.png") && ok;
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
    ok = MemoryWindows(dir) && ok;
    ok = GraphWindows(dir) && ok;
    ok = ReplicaStates(dir) && ok;
    ok = PlotDetails(dir) && ok;
    ok = EvaluationWindow(dir) && ok;
    ok = HeatStrainWindow(dir) && ok;
    return ok ? 0 : 1;
}
