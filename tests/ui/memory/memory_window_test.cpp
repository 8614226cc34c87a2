#include <gtest/gtest.h>

#include <QProgressBar>
#include <QTableView>
#include <QTest>

#include "core/link/VirtualClock.h"
#include "core/live/LiveFrame.h"
#include "core/memory/LoggerBytes.h"
#include "core/memory/ScriptedLogger.h"
#include "sim/SimSerialPort.h"
#include "ui/memory/Memory.h"
#include "ui/memory/MemoryDownload.h"
#include "ui/memory/ModalAnswer.h"
#include "ui/tables/DataList.h"

using namespace montira;
using montira::testing::ModalAnswer;
using montira::testing::ScriptedLogger;
using montira::testing::StatusReply;

namespace {

// The main window's part in a download: its state, a silent meter model behind the serial
// seam on the virtual clock, and its poll timer as a counter.
struct Bench {
    AppState state;
    VirtualClock clock;
    sim::SimMeter meter;
    sim::SimSerialPort port{meter, clock};
    QWidget panel;
    int pollStops = 0, pollStarts = 0;
    bool pollRunning = true;

    Bench() {
        clock.setProcessEvents(true);
        meter.setDrift(false);
        port.open();
        state.link.MeterOnline = true;
        DecodeLiveFrame(ToLiveFrame(meter.currentFrame()), state.live);
        panel.setGeometry(40, 40, 500, 300);
        // The meter model runs on every virtual millisecond, not only when the port is read,
        // so that bytes paced at the wire rate leave it on time.
        clock.addListener([this](qint64) { port.bytesWaiting(); });
    }
    ~Bench() {
        for (QWidget* w : panel.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) delete w;
    }
    DownloadOutcome download() { return download(port); }
    DownloadOutcome download(SerialPort& via) {
        return RunMemoryDownload(
            state, via, clock, &panel,
            [this] {
                ++pollStops;
                pollRunning = false;
            },
            [this] {
                ++pollStarts;
                pollRunning = true;
            });
    }
    Memory* memory() { return FindMemoryWindow(&panel); }
    QStringList gridRow(int r) {
        QStringList out;
        auto* m = memory()->GridSet->model();
        for (int c = 0; c < 3; ++c) out << m->index(r, c).data().toString();
        return out;
    }
};

}  // namespace

TEST(MemoryWindow, downloadListsTheSetsWithTheirIntervalAndCount) {
    Bench b;
    ASSERT_EQ(b.download(), DownloadOutcome::Done);
    Memory* m = b.memory();
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->windowTitle(), "Registrador de dados");
    EXPECT_TRUE(b.state.MemoryWindowOpen);
    ASSERT_EQ(m->GridSet->model()->rowCount(), b.meter.sets().size());
    const auto& s0 = b.meter.sets()[0];
    EXPECT_EQ(
        b.gridRow(0),
        (QStringList{"1", QString::asprintf("%02d:%02d", s0.intervalMinutes, s0.intervalSeconds),
                     QString::number(s0.records.size())}));
    EXPECT_EQ(m->MBar->value(), 100);
    EXPECT_DOUBLE_EQ(m->MSize->floodPercent(), b.meter.memoryUsed() * 100.0 / 126207);
    EXPECT_FALSE(b.state.link.KeypadBusy);
    EXPECT_TRUE(b.pollRunning);
    EXPECT_EQ(b.meter.commandLog().right(2), "cC");
    // Placed at the main window's right edge, level with its top.
    const QRect main = b.panel.frameGeometry();
    EXPECT_NEAR(m->frameGeometry().left(), main.left() + main.width(), 4);
    EXPECT_NEAR(m->frameGeometry().top(), main.top(), 4);
}

TEST(MemoryWindow, usagePanelIsFullFrom126072BytesAndJustUnderOneByteLess) {
    Bench b;
    b.meter.fillLogger(126072);
    ASSERT_EQ(b.meter.memoryUsed(), 126072);
    ASSERT_EQ(b.download(), DownloadOutcome::Done);
    EXPECT_DOUBLE_EQ(b.memory()->MSize->floodPercent(), 100.0);
    EXPECT_EQ(b.memory()->MSize->percentText(), "100.00 %");
    b.meter.fillLogger(126071);
    ASSERT_EQ(b.download(), DownloadOutcome::Done);
    EXPECT_DOUBLE_EQ(b.memory()->MSize->floodPercent(), 126071 * 100.0 / 126207);
    EXPECT_EQ(b.memory()->MSize->percentText(), "99.89 %");
}

TEST(MemoryWindow, smallestLoggerOf2048BytesInUseIsEmptyAndOpensNoWindow) {
    Bench b;
    b.meter.clearLogger();
    ModalAnswer answer(QMessageBox::Ok);
    EXPECT_EQ(b.download(), DownloadOutcome::NothingStored);
    EXPECT_EQ(answer.seen, 1);
    EXPECT_EQ(answer.text, "Não há dados armazenados na memória!");
    EXPECT_EQ(b.memory(), nullptr);
    EXPECT_FALSE(b.state.link.KeypadBusy);
    EXPECT_TRUE(b.pollRunning);
}

TEST(MemoryWindow, secondDownloadReplacesTheOpenWindowWithAFreshOne) {
    Bench b;
    ASSERT_EQ(b.download(), DownloadOutcome::Done);
    QPointer<Memory> first = b.memory();
    const int firstRows = first->GridSet->model()->rowCount();
    ASSERT_GT(firstRows, 1);
    b.meter.sets().removeLast();
    // Look at the new window as soon as it shows, before the sets are listed.
    int rowsAtStart = -1;
    bool firstOpenMeanwhile = true;
    QTimer spy;
    spy.setInterval(0);
    QObject::connect(&spy, &QTimer::timeout, [&] {
        Memory* m = b.memory();
        if (m && m != first && rowsAtStart < 0) {
            rowsAtStart = m->GridSet->model()->rowCount();
            firstOpenMeanwhile = first && first->isVisible();
        }
    });
    spy.start();
    ASSERT_EQ(b.download(), DownloadOutcome::Done);
    spy.stop();
    EXPECT_EQ(rowsAtStart, 0);
    EXPECT_FALSE(firstOpenMeanwhile);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    Memory* second = b.memory();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->GridSet->model()->rowCount(), firstRows - 1);
}

TEST(MemoryWindow, closingTheWindowDuringTheDownloadAbortsIt) {
    Bench b;
    b.meter.fillLogger(40000);
    b.meter.faults().pacedAt19200 = true;
    // Close the window once a few percent have arrived.
    QTimer closer;
    closer.setInterval(1);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        Memory* m = b.memory();
        if (m && m->MBar->value() >= 5) m->close();
    });
    closer.start();
    const qint64 t0 = b.clock.nowMs();
    EXPECT_EQ(b.download(), DownloadOutcome::Aborted);
    EXPECT_LT(b.clock.nowMs() - t0, 15000);  // the full dump takes 20 s on the wire
    EXPECT_EQ(b.memory(), nullptr);
    EXPECT_FALSE(b.state.link.KeypadBusy);
    EXPECT_FALSE(b.state.MemoryWindowOpen);
    EXPECT_TRUE(b.pollRunning);
}

TEST(MemoryErase, cancelOnAnyPanelSendsNothingAndKeepsTheList) {
    Bench b;
    ASSERT_EQ(b.download(), DownloadOutcome::Done);
    const QByteArray before = b.port.written();
    for (const char* name : {"MSize", "SSPanel2", "SSPanel3"}) {
        ModalAnswer answer(QMessageBox::Cancel);
        QTest::mouseClick(b.memory()->findChild<QWidget*>(name), Qt::LeftButton);
        EXPECT_EQ(answer.seen, 1) << name;
        EXPECT_EQ(answer.text, "Todos os dados armazenados na memória serão apagados");
    }
    EXPECT_EQ(b.port.written(), before);
    ASSERT_NE(b.memory(), nullptr);
    EXPECT_EQ(b.memory()->GridSet->model()->rowCount(), b.meter.sets().size());
}

TEST(MemoryErase, okSendsOneDAfterTheHandshakeAndClosesTheWindow) {
    Bench b;
    ASSERT_EQ(b.download(), DownloadOutcome::Done);
    const qsizetype before = b.port.written().size();
    const int starts = b.pollStarts;
    ModalAnswer answer(QMessageBox::Ok);
    QTest::mouseClick(b.memory()->SSPanel3, Qt::LeftButton);
    EXPECT_EQ(answer.seen, 1);
    const QByteArray sent = b.port.written().mid(before);
    // Q until the J, then exactly one D and nothing else.
    EXPECT_TRUE(sent.startsWith('Q'));
    EXPECT_TRUE(sent.endsWith("QD"));
    EXPECT_EQ(sent.count('D'), 1);
    EXPECT_EQ(sent.count('Q'), sent.size() - 1);
    EXPECT_EQ(b.memory(), nullptr);
    EXPECT_FALSE(b.state.MemoryWindowOpen);
    EXPECT_TRUE(b.pollRunning);
    EXPECT_EQ(b.pollStarts, starts + 1);
    EXPECT_TRUE(b.meter.sets().isEmpty());
}
