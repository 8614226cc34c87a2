#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "core/link/VirtualClock.h"
#include "core/meter/LiveFrame.h"
#include "support/LoggerBytes.h"
#include "support/Processes.h"
#include "ui/memory/Memory.h"
#include "ui/memory/MemoryDownload.h"
#include "ui/memory/SetToDataList.h"
#include "ui/tables/DataList.h"

using namespace montira;
using namespace montira::test;

namespace {

// A main window with a downloaded logger of two sets: 3 records every 1:30 from
// 26/12/31 23:58:30, then 40 records every 2 s.
struct Downloaded {
    AppState state;
    VirtualClock clock;
    FakePort port{&clock};
    LoggerScript meter;
    MeterLink link{port, clock, state.link};
    QWidget panel;
    QTemporaryDir dir;

    Downloaded() {
        state.link.MeterOnline = true;
        DecodeLiveFrame(ToLiveFrame(sim::SimMeter().currentFrame()), state.live);
        SetBytes a, b;
        a.yy = 26, a.mo = 12, a.dd = 31, a.hh = 23, a.mi = 58, a.ss = 30;
        a.intervalMin = 1, a.intervalSec = 30;
        a.records = {{RawC(31.0), RawC(28.0), RawC(22.0), 1000},
                     {RawC(32.0), RawC(100.5), RawC(22.5), 1000},
                     {RawC(33.0), RawC(29.0), RawC(23.0), 1000}};
        b.intervalSec = 2;
        b.records = Records(40);
        meter.dump = a.bytes() + b.bytes();
        meter.statusReplies = {StatusReply(2048 + meter.dump.size(), 2)};
        meter.attach(port);
        std::optional<DownloadOutcome> end;
        EXPECT_EQ(RunMemoryDownload(state, link, &panel, {}, [&](DownloadOutcome o) { end = o; }),
                  std::nullopt);
        EXPECT_TRUE(clock.advanceUntil([&] { return end.has_value(); }, 120000));
        EXPECT_EQ(end, DownloadOutcome::Done);
        QCoreApplication::processEvents();
    }
    ~Downloaded() {
        for (QWidget* w : panel.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) delete w;
    }
    Memory* memory() { return FindMemoryWindow(&panel); }
    DataList* list() {
        for (QWidget* w : panel.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (auto* d = dynamic_cast<DataList*>(w); d && d->isVisible()) return d;
        return nullptr;
    }
    // A click on row `row` of GridSet; the set opens once the click has been handled.
    DataList* click(int row) {
        QTableView* g = memory()->GridSet;
        g->show();
        const QRect r = g->visualRect(g->model()->index(row, 0));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, r.center());
        QCoreApplication::processEvents();
        return list();
    }
    static QStringList column(const DataList* d, bool celsius, int k) {
        QStringList out;
        const TableModel* m = celsius ? d->modelC() : d->modelF();
        for (int r = 0; r < m->rowCount(); ++r) out << m->gridText(r + 1, k);
        return out;
    }
    QList<QByteArray> save(DataList* list, const char* name) {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(list->saveTo(path));
        return ReadBytes(path).split('\n');
    }
};

}  // namespace

// The stamps across midnight and the year are checked on the decoder (SetStamps).
TEST(DataListSet, clickOnASetListsItsRecordsAndReplacesTheOpenList) {
    Downloaded d;
    const Reading live = d.state.live.reading;
    QPointer<DataList> first = d.click(1);
    ASSERT_TRUE(first);
    DataList* list = d.click(0);
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(!first || !first->isVisible());
    EXPECT_EQ(Downloaded::column(list, false, 9), (QStringList{"87.8", "89.6", "91.4"}));
    EXPECT_FALSE(d.link.taken());  // the decoding gave the link back
    // The stored records never reach the live reading that the sample tick records.
    EXPECT_EQ(d.state.live.reading.DryText, live.DryText);
    EXPECT_EQ(d.state.live.reading.WbgtIndoorText, live.WbgtIndoorText);
}

TEST(DataListSet, headerRowOrMissingSetDecodesNothing) {
    Downloaded d;
    d.memory()->openSetOfRow(-1);
    d.memory()->openSetOfRow(2);
    QCoreApplication::processEvents();
    EXPECT_EQ(d.list(), nullptr);
    LoggerMemory none;
    EXPECT_TRUE(OpenSetInDataList(d.state, none, 0, &d.panel, d.link).isNull());
}

TEST(DataListWindow, mainUnitChoosesTheTableAndCelFahSwitchesIt) {
    Downloaded d;
    d.state.CelsiusMode = false;
    DataList* list = d.click(0);
    ASSERT_NE(list, nullptr);
    const auto shows = [&](const char* grid) {
        return list->findChild<QTableView*>(grid)->isVisible();
    };
    EXPECT_TRUE(shows("GridF3") && !shows("GridC3"));
    list->action("CelFah")->trigger();
    EXPECT_TRUE(shows("GridC3") && !shows("GridF3"));
}

TEST(DataListSave, writesTheTableThatShowsWithTheBoxesTexts) {
    Downloaded d;
    DataList* list = d.click(0);
    ASSERT_NE(list, nullptr);
    QList<QByteArray> lines = d.save(list, "c.plv");
    ASSERT_EQ(lines.size(), 5);  // four lines and the empty rest after the last CR LF
    EXPECT_TRUE(lines[2].startsWith("2\t27/01/01\t00:00:00\t- - -\t"));

    list->switchTables();  // the table that shows is written
    list->TxtSector->setText("Caldeiraria");
    list->TxtCompany->setText("Fundição Açores");
    lines = d.save(list, "f.plv");
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[1], "*****Caldeiraria\r");
    EXPECT_TRUE(lines[4].startsWith("1\t26/12/31\t23:58:30\t82.4\t"));
}
