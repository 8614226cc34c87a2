#include <gtest/gtest.h>

#include <QProgressBar>
#include <QTableView>
#include <QTest>

#include "core/link/VirtualClock.h"
#include "core/meter/LiveFrame.h"
#include "sim/SimSerialPort.h"
#include "support/ModalAnswer.h"
#include "support/SimRig.h"
#include "ui/memory/Memory.h"
#include "ui/memory/MemoryDownload.h"

using namespace montira;
using montira::test::ModalAnswer;

namespace {

// The main window's part in a download: the simulated meter, the one owner of the link, and
// its poll as a flag.
struct Bench : test::SimRig {
    MeterLink meterLink{port, clock, link};
    QWidget panel;
    bool pollRunning = true;

    Bench() {
        meterLink.pollSwitch = [this](bool on) {
            starts += on ? 1 : 0;
            pollRunning = on;
        };
        clock.setProcessEvents(true);
        link.MeterOnline = true;
        DecodeLiveFrame(ToLiveFrame(meter.currentFrame()), state.live);
        // The meter runs on every virtual millisecond so that paced bytes leave it on time.
        clock.addListener([this](qint64) { port.bytesWaiting(); });
    }
    ~Bench() {
        for (QWidget* w : panel.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) delete w;
    }
    DownloadOutcome download() { return RunMemoryDownload(state, meterLink, &panel); }
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
    EXPECT_TRUE(b.pollRunning);
}

TEST(MemoryWindow, secondDownloadReplacesTheOpenWindowWithAFreshOne) {
    Bench b;
    ASSERT_EQ(b.download(), DownloadOutcome::Done);
    QPointer<Memory> first = b.memory();
    const int firstRows = b.rows();
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
    EXPECT_EQ(b.rows(), firstRows - 1);
}

TEST(MemoryWindow, closingTheWindowDuringTheDownloadAbortsIt) {
    Bench b;
    b.meter.fillLogger(40000);
    b.meter.faults().pacedAt19200 = true;
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
    EXPECT_TRUE(b.pollRunning);
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

    const int starts = b.starts;
    ModalAnswer answer(QMessageBox::Ok);
    QTest::mouseClick(b.memory()->SSPanel3, Qt::LeftButton);
    EXPECT_EQ(answer.seen, 1);
    const QByteArray sent = b.port.written().mid(before.size());
    // Q until the J, then exactly one D and nothing else.
    EXPECT_TRUE(sent.endsWith("QD"));
    EXPECT_EQ(sent.count('Q'), sent.size() - 1);
    EXPECT_EQ(b.memory(), nullptr);
    EXPECT_EQ(b.starts, starts + 1);
    EXPECT_TRUE(b.meter.sets().isEmpty());
}
