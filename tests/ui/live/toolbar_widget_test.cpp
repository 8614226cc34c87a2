#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>

#include "core/AppState.h"
#include "core/link/VirtualClock.h"
#include "sim/SimMeter.h"
#include "sim/SimSerialPort.h"
#include "ui/live/Icons.h"
#include "ui/live/Panel.h"
#include "ui/live/Toolbar.h"
#include "ui/live/ToolbarWiring.h"

using namespace montira;

TEST(ToolbarWidget, thirteenNamedButtonsWithTipsAndImagesInGroups) {
    AppState state;
    state.link.MeterOnline = true;
    QToolBar bar;
    ToolbarDispatch dispatch(state.link);
    QStringList clicked;
    for (const ToolbarButton& b : ToolbarButtons())
        dispatch.setHandler(b.key, [&clicked, key = b.key] { clicked << key; });
    Toolbar tb(&bar, dispatch);

    const QStringList keys = {"Save", "Open",     "List",   "Graph",   "Sample",
                              "CF",   "PowerOff", "Memory", "SetTime", "Environment",
                              "Btn",  "AddText",  "Erase"};
    int separators = 0;
    QStringList seen;
    for (QAction* a : bar.actions()) {
        if (a->isSeparator()) {
            ++separators;
            continue;
        }
        seen << a->objectName();
        EXPECT_FALSE(a->icon().isNull()) << a->objectName().toStdString();
        EXPECT_FALSE(a->toolTip().isEmpty());
    }
    EXPECT_EQ(seen, keys);
    EXPECT_GE(separators, 3);
    ASSERT_NE(tb.button("CF"), nullptr);

    tb.button("CF")->click();
    tb.action("Erase")->trigger();
    EXPECT_EQ(clicked, (QStringList{"CF", "Erase"}));
}

namespace {

// The main window on the simulated meter, with the toolbar wired in; timers left to the test.
struct PanelRig {
    VirtualClock clock;
    sim::SimMeter meter;
    sim::SimSerialPort port{meter, clock};
    AppState state;
    std::unique_ptr<Panel> panel;
    ToolbarWiring* wiring = nullptr;
    QTemporaryDir dir;

    PanelRig() {
        state.PortId = "SIM";
        panel = std::make_unique<Panel>(state, port, clock);
        panel->setQuitOnClose(false);
        wiring = new ToolbarWiring(*panel);
        panel->load();
        panel->timer1()->stop();
        panel->timer2()->stop();
        state.link.MeterOnline = true;
        state.live.reading.DryText = "28.4";
    }
    const PanelWidgets& w() const { return panel->widgets(); }
};

}  // namespace

TEST(ToolbarOnPanel, recorderStateShowsInLabelsAndButtonOne) {
    PanelRig rig;
    Recorder& rec = rig.wiring->recorder();
    EXPECT_FALSE(rig.w().LblRec->isVisibleTo(rig.panel.get()));
    rec.applySaveDialog(true, rig.dir.filePath("painel.plv"));
    ASSERT_TRUE(rec.start());
    EXPECT_TRUE(rig.w().LblRec->isVisibleTo(rig.panel.get()));
    EXPECT_EQ(rig.w().LblFileName->text(), "painel.plv");
    EXPECT_TRUE(rig.wiring->toolbar().showsRecording());
    EXPECT_EQ(rig.wiring->toolbar().action("Save")->data().toInt(), 12);
    EXPECT_EQ(rig.wiring->toolbar().action("Save")->toolTip(), "Interromper registro");

    rig.state.SampleInterval = 1;
    rig.panel->timer2Tick();
    rig.panel->timer2Tick();
    EXPECT_EQ(rig.w().LblCount->text(), "2");
    EXPECT_EQ(rig.w().LblRec->text(), "Registro");

    rig.state.link.MeterOnline = true;
    rig.wiring->dispatch().dispatch("Save");  // stops: no dialog while recording
    EXPECT_FALSE(rig.state.Recording);
    EXPECT_FALSE(rig.w().LblRec->isVisibleTo(rig.panel.get()));
    EXPECT_EQ(rig.w().LblCount->text(), "");
    EXPECT_EQ(rig.w().LblFileName->text(), "");
    EXPECT_EQ(rig.wiring->toolbar().action("Save")->toolTip(), "Salvar como");
    EXPECT_EQ(rig.wiring->toolbar().action("Save")->data().toInt(), 1);
}

TEST(ToolbarOnPanel, silentMeterClosesTheRecordingAtOnce) {
    PanelRig rig;
    Recorder& rec = rig.wiring->recorder();
    rec.applySaveDialog(true, rig.dir.filePath("mudo.plv"));
    ASSERT_TRUE(rec.start());
    ASSERT_TRUE(rig.panel->onStopRecording);
    rig.panel->onStopRecording();  // what NoDataRoutine does when frames stop
    EXPECT_FALSE(rig.state.Recording);
    EXPECT_FALSE(rec.fileOpen());
    EXPECT_FALSE(rig.w().LblRec->isVisibleTo(rig.panel.get()));
    EXPECT_EQ(rig.wiring->toolbar().action("Save")->data().toInt(), 1);
}

TEST(ToolbarOnPanel, openingAFileShowsItBesideThePanelAndRestartsTheTimers) {
    PanelRig rig;
    const QString path = rig.dir.filePath("medicao.plv");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(
        "(\xB0"
        "C)\tData\tHora\tSeco\t\r\n1\t24/01/01\t10:00:00\t28.4\t\r\n");
    f.close();
    ASSERT_TRUE(rig.wiring->openFile(path));
    FileList* fl = rig.wiring->dialogs().fileList();
    ASSERT_NE(fl, nullptr);
    EXPECT_EQ(fl->windowTitle(), "medicao.plv");
    EXPECT_EQ(fl->model()->rowCount(), 1);
    EXPECT_EQ(fl->model()->gridText(1, 3), "28.4");
    EXPECT_TRUE(rig.panel->timer1()->isActive());
    EXPECT_TRUE(rig.panel->timer2()->isActive());

    ASSERT_TRUE(rig.wiring->openFile(path));  // a second file replaces the window
    EXPECT_NE(rig.wiring->dialogs().fileList(), nullptr);
    rig.clock.requestStop();
}

TEST(ToolbarScreenshot, panelWithToolbarIsGrabbedWhenAsked) {
    const QString dir = qEnvironmentVariable("MONTIRA_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "MONTIRA_SCREENSHOT_DIR not set";
    PanelRig rig;
    rig.panel->show();
    rig.panel->timer1Tick();
    EXPECT_TRUE(rig.panel->grab().save(QDir(dir).filePath("toolbar_idle.png")));
    Recorder& rec = rig.wiring->recorder();
    rec.applySaveDialog(true, rig.dir.filePath("ensaio.plv"));
    rec.start();
    rig.state.SampleInterval = 1;
    for (int i = 0; i < 3; ++i) rig.panel->timer2Tick();
    QCoreApplication::processEvents();
    EXPECT_TRUE(rig.panel->grab().save(QDir(dir).filePath("toolbar_recording.png")));
    QPixmap strip(14 * 52, 52);
    strip.fill(Qt::white);
    {
        QPainter p(&strip);
        for (int i = 1; i <= 14; ++i) p.drawPixmap((i - 1) * 52 + 2, 2, ToolbarIcon(i).pixmap(48));
    }
    EXPECT_TRUE(strip.save(QDir(dir).filePath("toolbar_icons.png")));
    rig.clock.requestStop();
}
