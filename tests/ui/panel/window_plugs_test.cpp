#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QLabel>
#include <QTableView>
#include <QTimer>

#include "core/workload/WbgtAverage.h"
#include "support/PanelRig.h"
#include "ui/memory/Memory.h"
#include "ui/memory/MemoryDownload.h"
#include "ui/workload/WorkLoad.h"

using namespace montira;

using montira::test::PanelRig;

namespace {

struct AppRig : PanelRig {
    AppRig() : PanelRig(Windows) { EXPECT_TRUE(connect()); }
};

}  // namespace

TEST(WindowPlugs, environmentOpensOneWorkLoadWindowThatTheSampleTickFeeds) {
    AppRig rig;
    rig.click(ToolbarCommand::Environment);
    auto windows = rig.panel.findChildren<ui::WorkLoad*>();  // WorkLoad has its meta-object
    ASSERT_EQ(windows.size(), 1);
    rig.click(ToolbarCommand::Environment);  // refused while it is open
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
    rig.click(ToolbarCommand::Environment);  // a fresh window after the first closed
    EXPECT_EQ(rig.panel.findChildren<ui::WorkLoad*>().size(), 1);
}

TEST(WindowPlugs, memoryDownloadsTheLoggerIntoTheSetsWindowAndFreesTheLink) {
    AppRig rig;
    const int sets = int(rig.meter.sets().size());
    ASSERT_GT(sets, 0);
    rig.click(ToolbarCommand::Memory);
    Memory* m = FindMemoryWindow(&rig.panel);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->GridSet->model()->rowCount(), sets);
    EXPECT_FALSE(rig.state.link.KeypadBusy);
    EXPECT_TRUE(rig.panel.timer1()->isActive());
    EXPECT_TRUE(rig.meter.commandLog().contains('c'));
    EXPECT_TRUE(rig.meter.commandLog().contains('C'));

    // A second download replaces the window.
    rig.click(ToolbarCommand::Memory);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    int open = 0;
    for (QWidget* w : rig.panel.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (dynamic_cast<Memory*>(w) && w->isVisible()) ++open;
    EXPECT_EQ(open, 1);
}
