#include <gtest/gtest.h>

#include <QProgressBar>
#include <QTableView>
#include <QTest>

#include "core/meter/LiveFrame.h"
#include "support/ModalAnswer.h"
#include "support/SimRig.h"
#include "ui/memory/Memory.h"
#include "ui/memory/MemoryDownload.h"

using namespace montira;
using montira::test::ModalAnswer;

namespace {

// The main window's part in a download: the simulated meter on the virtual clock with the one
// owner of the link, and a parent for the windows.
struct Bench : test::SimRig {
    QWidget panel;
    std::optional<DownloadOutcome> outcome;

    Bench() {
        online();
        DecodeLiveFrame(ToLiveFrame(meter.currentFrame()), state.live);
    }
    ~Bench() {
        for (QWidget* w : panel.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) delete w;
    }
    // Starts the download; its outcome arrives as the clock runs.
    std::optional<DownloadOutcome> start() {
        outcome.reset();
        return RunMemoryDownload(state, meterLink, &panel, {},
                                 [this](DownloadOutcome o) { outcome = o; });
    }
    // The whole download, or the refusal.
    DownloadOutcome download() {
        if (const auto refused = start()) return *refused;
        if (!clock.advanceUntil([this] { return outcome.has_value(); }, 120000))
            return DownloadOutcome::Aborted;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return *outcome;
    }
    Memory* memory() { return FindMemoryWindow(&panel); }
    int rows() { return memory()->GridSet->model()->rowCount(); }
};

}  // namespace

TEST(MemoryWindow, emptyLoggerSaysSoAndOpensNoWindow) {
    Bench b;
    b.meter.clearLogger();
    ModalAnswer answer(QMessageBox::Ok);
    EXPECT_EQ(b.download(), DownloadOutcome::NothingStored);
    EXPECT_EQ(answer.text, "Não há dados armazenados na memória!");
    EXPECT_EQ(b.memory(), nullptr);
    EXPECT_TRUE(b.panel.findChildren<Memory*>().isEmpty());
    EXPECT_FALSE(b.meterLink.busy());
}

TEST(MemoryWindow, refusedWhileOfflineLoggingOrBusy) {
    Bench b;
    b.state.live.flags.FlagRun = true;
    EXPECT_EQ(b.download(), DownloadOutcome::Refused);
    b.state.live.flags.FlagRun = false;
    b.state.link.MeterOnline = false;
    EXPECT_EQ(b.download(), DownloadOutcome::Offline);
    EXPECT_TRUE(b.meter.commandLog().isEmpty());
    EXPECT_TRUE(b.panel.findChildren<Memory*>().isEmpty());
}

TEST(MemoryWindow, secondDownloadReplacesTheOpenWindowWithAFreshOne) {
    Bench b;
    ASSERT_EQ(b.download(), DownloadOutcome::Done);
    QPointer<Memory> first = b.memory();
    const int firstRows = b.rows();
    b.meter.sets().removeLast();
    ASSERT_FALSE(b.start());
    EXPECT_FALSE(first && first->isVisible());
    // Look at the new window as soon as it shows, before the sets are listed.
    ASSERT_TRUE(b.clock.advanceUntil([&] { return b.memory() != nullptr; }, 20000));
    EXPECT_EQ(b.rows(), 0);
    ASSERT_TRUE(b.clock.advanceUntil([&] { return b.outcome.has_value(); }, 60000));
    EXPECT_EQ(b.outcome, DownloadOutcome::Done);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(b.rows(), firstRows - 1);
}

TEST(MemoryWindow, closingTheWindowDuringTheDownloadAbortsIt) {
    Bench b;
    b.meter.fillLogger(40000);
    b.meter.faults().pacedAt19200 = true;
    const qint64 t0 = b.clock.nowMs();
    ASSERT_FALSE(b.start());
    ASSERT_TRUE(
        b.clock.advanceUntil([&] { return b.memory() && b.memory()->MBar->value() >= 5; }, 20000));
    EXPECT_FALSE(b.outcome);
    b.memory()->close();
    EXPECT_EQ(b.outcome, DownloadOutcome::Aborted);
    EXPECT_LT(b.clock.nowMs() - t0, 15000);  // the full dump takes 20 s on the wire
    EXPECT_EQ(b.memory(), nullptr);
    EXPECT_FALSE(b.state.link.KeypadBusy);
    EXPECT_FALSE(b.meterLink.busy());
}

TEST(MemoryErase, cancelSendsNothingAndOkSendsOneDAfterTheHandshake) {
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

    ModalAnswer answer(QMessageBox::Ok);
    QTest::mouseClick(b.memory()->SSPanel3, Qt::LeftButton);
    EXPECT_EQ(answer.seen, 1);
    ASSERT_TRUE(b.clock.advanceUntil([&] { return !b.meterLink.busy(); }, 20000));
    const QByteArray sent = b.port.written().mid(before.size());
    // Q until the J, then exactly one D and nothing else.
    EXPECT_TRUE(sent.endsWith("QD"));
    EXPECT_EQ(sent.count('Q'), sent.size() - 1);
    EXPECT_EQ(b.memory(), nullptr);
    EXPECT_TRUE(b.meter.sets().isEmpty());
}
