#include <gtest/gtest.h>

#include "core/link/Handshake.h"
#include "core/meter/LiveFrame.h"
#include "support/SimRig.h"

using namespace montira;
using montira::test::SimRig;

TEST(SimFaults, splitFramesArriveInPieces) {
    SimRig r;
    r.meter.faults().splitFrames = 3;
    QByteArray first = r.collect(1);
    EXPECT_EQ(first.size(), 16);
    first += r.collect(60);
    EXPECT_EQ(first.size(), 47);
    EXPECT_TRUE(IsLiveFrameValid(first));
}

TEST(SimFaults, pacedRepliesTakeTheWireTimeAt19200Baud) {
    SimRig r;
    r.meter.faults().pacedAt19200 = true;
    r.meter.fillLogger(2048 + 16 + 8 * 1198);  // a 9600-byte dump: five seconds on the wire
    r.collect(1000);
    QByteArray dump = QueryCommand(r.port, r.clock, r.link, 'C');
    EXPECT_LT(dump.size(), 200);  // 50 ms after the letter only a little has arrived
    qint64 waited = 50;
    for (; dump.size() < 9600 && waited < 20000; waited += 10) dump += r.collect(10);
    EXPECT_EQ(dump.left(9600), r.meter.loggerDump());  // frames may follow at once
    EXPECT_GE(waited, 4900);
    EXPECT_LE(waited, 5200);
}

TEST(SimFaults, aClosedPortLosesWhatTheMeterSends) {
    SimRig r;
    r.port.close();
    r.clock.advance(1000);
    EXPECT_EQ(r.port.bytesWaiting(), 0);
    r.port.open();
    EXPECT_TRUE(r.port.readAll().isEmpty());
    r.port.setAvailable(false);
    EXPECT_TRUE(r.port.failed());
    EXPECT_NE(r.port.open(), OpenOutcome::Opened);
}
