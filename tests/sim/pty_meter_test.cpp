// The simulated meter on a pseudo-terminal, read as a slow client reads it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <termios.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include "sim/PtyMeter.h"
#include "sim/SimMeter.h"

using montira::sim::PtyMeter;
using montira::sim::SimMeter;

namespace {

// Runs the meter's event loop for `ms`, reading at most `budget` bytes from `fd` meanwhile.
void Pump(int fd, QByteArray& into, int ms, int budget) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(2);
    }
    char buf[4096];
    while (budget > 0) {
        const ssize_t n = ::read(fd, buf, size_t(std::min<int>(budget, int(sizeof buf))));
        if (n <= 0) break;
        into.append(buf, int(n));
        budget -= int(n);
    }
}

}  // namespace

TEST(PtyMeter, wholeLoggerDumpReachesAClientReadingAt40KBPerSecond) {
    PtyMeter pty;
    pty.meter().fillLogger(SimMeter::kLoggerFullBytes);
    const QByteArray dump = pty.meter().loggerDump();
    ASSERT_GT(dump.size(), 120000);
    ASSERT_TRUE(pty.start());
    const int fd =
        ::open(pty.slavePath().toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(fd, 0);

    QByteArray got;
    ASSERT_EQ(::write(fd, "Q", 1), 1);
    Pump(fd, got, 100, 1 << 20);
    ASSERT_TRUE(got.endsWith('J'));
    ASSERT_EQ(::write(fd, "C", 1), 1);
    // The PC writes nothing while the dump comes: 2000 bytes every 50 ms.
    got.clear();
    for (int i = 0; i < 120 && !got.contains(dump); ++i) Pump(fd, got, 50, 2000);
    ::close(fd);
    EXPECT_TRUE(got.startsWith(dump.left(64)));
    EXPECT_TRUE(got.contains(dump)) << got.size() << " of " << dump.size() << " bytes";
}
