#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QTableView>
#include <QTemporaryDir>

#include "core/workload/WbgtAverage.h"
#include "support/PanelRig.h"
#include "ui/graphs/ListPlot1.h"
#include "ui/memory/Memory.h"
#include "ui/memory/MemoryDownload.h"
#include "ui/memory/MeterBtn.h"
#include "ui/tables/AddText.h"
#include "ui/tables/DataList.h"
#include "ui/tables/List.h"
#include "ui/tables/Manual.h"
#include "ui/workload/WorkLoad.h"

using namespace montira;

using montira::test::PanelRig;

namespace {

struct AppRig : PanelRig {
    AppRig() : PanelRig(Windows) { EXPECT_TRUE(connect()); }
    // A toolbar command whose exchange runs on the link, until the link is free again.
    void clickAndWait(ToolbarCommand c) {
        click(c);
        EXPECT_TRUE(until([this] { return !panel.link().busy(); }, 120000));
        QCoreApplication::processEvents();
    }
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
}

TEST(WindowPlugs, memoryDownloadsTheLoggerIntoTheSetsWindowAndFreesTheLink) {
    AppRig rig;
    const int sets = int(rig.meter.sets().size());
    ASSERT_GT(sets, 0);
    rig.clickAndWait(ToolbarCommand::Memory);
    Memory* m = FindMemoryWindow(&rig.panel);
    ASSERT_NE(m, nullptr);
    ASSERT_EQ(m->GridSet->model()->rowCount(), sets);
    const auto& s0 = rig.meter.sets()[0];
    EXPECT_EQ(m->GridSet->model()->index(0, 1).data().toString(),
              QString::asprintf("%02d:%02d", s0.intervalMinutes, s0.intervalSeconds));
    EXPECT_EQ(m->GridSet->model()->index(0, 2).data().toInt(), s0.records.size());
    EXPECT_FALSE(rig.state.link.KeypadBusy);
    EXPECT_TRUE(rig.panel.link().liveRunning());
}

namespace {

template <class T>
T* ChildOf(QWidget& parent) {
    for (QObject* o : parent.children())
        if (auto* t = dynamic_cast<T*>(o); t && t->isVisible()) return t;
    return nullptr;
}

}  // namespace

TEST(WindowPlugs, liveListFollowsTheSampleTickWithTheHeaderTextsAndClosesWhenTheMeterFallsSilent) {
    AppRig rig;
    rig.click(ToolbarCommand::AddText);
    auto* header = ChildOf<AddText>(rig.panel);
    ASSERT_NE(header, nullptr);
    header->TxtName->setText("Ana");
    rig.click(ToolbarCommand::List);
    auto* list = ChildOf<List>(rig.panel);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->TxtName->text(), "Ana");  // typed once, in the header window
    rig.state.SampleInterval = 1;
    for (int i = 0; i < 3; ++i) rig.panel.timer2Tick();
    EXPECT_EQ(list->modelC()->rowCount(), 3);
    rig.click(ToolbarCommand::List);  // one live list at a time
    EXPECT_EQ(list->modelC()->rowCount(), 3);

    // Frames already received are shown first; then NoDataRoutine closes the live windows
    // and waits until the meter is back.
    rig.meter.faults().silentAfterMs = rig.clock.nowMs();
    EXPECT_TRUE(rig.until([&] { return ChildOf<List>(rig.panel) == nullptr; }));
    EXPECT_FALSE(rig.wiring->liveList().ListOpen());
}

TEST(WindowPlugs, keypadReadAllFillsTheManualRecordsAndThePollRunsAgain) {
    AppRig rig;
    rig.click(ToolbarCommand::Btn);
    auto* keypad = ChildOf<MeterBtn>(rig.panel);
    ASSERT_NE(keypad, nullptr);
    keypad->readAll();
    EXPECT_TRUE(rig.until([&] { return !rig.panel.link().busy(); }, 120000));
    QCoreApplication::processEvents();
    auto* manual = ChildOf<Manual>(rig.panel);
    ASSERT_NE(manual, nullptr);
    EXPECT_EQ(manual->modelC()->rowCount(), rig.meter.manualRecords().size());
    EXPECT_TRUE(rig.panel.link().liveRunning());
    EXPECT_FALSE(rig.panel.link().taken());
}

TEST(WindowPlugs, liveListAutoSaveCountsInTheCaptionUnderTheWaitCursorIntoTheCurrentFolder) {
    AppRig rig;
    QTemporaryDir elsewhere;
    rig.panel.panelState().LastDialogFolder =
        elsewhere.path();  // the last dialog's folder is not the place
    const QString kept = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(rig.dir.path()));
    rig.click(ToolbarCommand::List);
    auto* list = ChildOf<List>(rig.panel);
    ASSERT_NE(list, nullptr);
    const QString caption = list->windowTitle();
    QStringList seen;
    QObject::connect(list, &QWidget::windowTitleChanged, [&](const QString& t) {
        const QCursor* c = QApplication::overrideCursor();
        seen << t + (c && c->shape() == Qt::WaitCursor ? " (wait)" : "");
    });
    rig.state.SampleInterval = 1;
    rig.panel.timer2Tick();
    rig.wiring->liveList().ListCount = 24799;  // the next row is row 24800
    rig.panel.timer2Tick();
    QDir::setCurrent(kept);
    EXPECT_EQ(seen, (QStringList{"0 gravações completas (wait)", "2 gravações completas (wait)",
                                 caption + " (wait)"}));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QDir(rig.dir.path()).entryList({"*.plv"}).size(), 1);
    EXPECT_TRUE(QDir(elsewhere.path()).isEmpty());
    EXPECT_EQ(list->modelC()->rowCount(), 0);  // saved, and open again empty
}

TEST(WindowPlugs, plotOfTheDownloadedSetDrawsTheTableThatShows) {
    AppRig rig;
    rig.clickAndWait(ToolbarCommand::Memory);
    Memory* m = FindMemoryWindow(&rig.panel);
    ASSERT_NE(m, nullptr);
    m->openSetOfRow(0);
    QCoreApplication::processEvents();
    auto* list = ChildOf<DataList>(rig.panel);
    ASSERT_NE(list, nullptr);
    const long long records = list->modelC()->rowCount();
    ASSERT_GT(records, 0);
    for (bool celsius : {true, false}) {
        list->setCelsius(celsius);
        list->action("Plot")->trigger();
        QCoreApplication::processEvents();
        auto* plot = ChildOf<ListPlot1>(rig.panel);
        ASSERT_NE(plot, nullptr) << celsius;
        EXPECT_EQ(plot->settings().ListUnit, celsius ? "°C" : "°F");
        EXPECT_EQ(plot->settings().PlotRecordCount, records);
    }
}
