#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QLabel>
#include <QTableView>
#include <QTimer>

#include "core/AppState.h"
#include "core/link/VirtualClock.h"
#include "core/workload/WbgtAverage.h"
#include "sim/SimMeter.h"
#include "sim/SimSerialPort.h"
#include "ui/memory/Memory.h"
#include "ui/memory/MemoryDownload.h"
#include "ui/panel/Panel.h"
#include "ui/panel/ToolbarWiring.h"
#include "ui/panel/WindowPlugs.h"
#include "ui/workload/WorkLoad.h"

using namespace montira;

namespace {

// The whole main window as the program builds it, on the virtual clock with the simulated
// meter in the same process; its timers are stopped and the tests tick it by hand.
struct AppRig {
    VirtualClock clock;
    sim::SimMeter meter;
    sim::SimSerialPort port{meter, clock};
    AppState state;
    Panel panel{state, port, clock};
    ToolbarWiring* wiring = nullptr;

    AppRig() {
        state.PortId = "SIM";
        panel.setQuitOnClose(false);
        wiring = new ToolbarWiring(panel);
        PlugWindows(panel, *wiring);
        EXPECT_TRUE(panel.load());
        panel.timer1()->stop();
        panel.timer2()->stop();
        panel.timer1Tick();  // waits for the meter, checks its clock, shows a frame
        EXPECT_TRUE(state.link.MeterOnline);
    }
    bool click(const QString& key) {
        ToolbarCommand c;
        return ToolbarCommandOfKey(key, &c) && wiring->dispatch().dispatch(c);
    }
};

}  // namespace

TEST(WindowPlugs, environmentOpensOneWorkLoadWindowThatTheSampleTickFeeds) {
    AppRig rig;
    rig.click("Environment");
    auto windows = rig.panel.findChildren<ui::WorkLoad*>();  // WorkLoad has its meta-object
    ASSERT_EQ(windows.size(), 1);
    rig.click("Environment");  // refused while it is open
    EXPECT_EQ(rig.panel.findChildren<ui::WorkLoad*>().size(), 1);

    rig.state.SampleTick = 0;
    EXPECT_TRUE(rig.wiring->ticker().tick(QDateTime::currentDateTime()));
    const double avg = windows.front()->averages().AvgWbgtIndoor;
    EXPECT_GT(avg, 0);
    auto* label = windows.front()->findChild<QLabel*>("LblWbgti");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), workload::AverageLabelText(avg));

    windows.front()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    rig.click("Environment");  // a fresh window after the first closed
    EXPECT_EQ(rig.panel.findChildren<ui::WorkLoad*>().size(), 1);
}

TEST(WindowPlugs, memoryDownloadsTheLoggerIntoTheSetsWindowAndFreesTheLink) {
    AppRig rig;
    const int sets = int(rig.meter.sets().size());
    ASSERT_GT(sets, 0);
    rig.click("Memory");
    Memory* m = FindMemoryWindow(&rig.panel);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->GridSet->model()->rowCount(), sets);
    EXPECT_FALSE(rig.state.link.KeypadBusy);
    EXPECT_TRUE(rig.panel.timer1()->isActive());
    EXPECT_TRUE(rig.meter.commandLog().contains('c'));
    EXPECT_TRUE(rig.meter.commandLog().contains('C'));

    // A second download replaces the window.
    rig.click("Memory");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    int open = 0;
    for (QWidget* w : rig.panel.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (dynamic_cast<Memory*>(w) && w->isVisible()) ++open;
    EXPECT_EQ(open, 1);
}
