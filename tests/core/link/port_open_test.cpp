#include <gtest/gtest.h>

#include "core/link/OpenMeterPort.h"
#include "core/link/QtSerialPort.h"
#include "support/FakePort.h"

using namespace montira;

namespace {

test::FakePort ClosedPort(OpenOutcome outcome) {
    test::FakePort port;
    port.closeNow();
    port.openOutcome = outcome;
    return port;
}

}  // namespace

TEST(OpenMeterPort, opensOnlyAClosedPortAndSaysWhyItFailed) {
    test::FakePort closed = ClosedPort(OpenOutcome::Opened);
    EXPECT_EQ(OpenMeterPort(closed), OpenOutcome::Opened);
    EXPECT_EQ(OpenMeterPort(closed), OpenOutcome::Opened);
    EXPECT_EQ(closed.opens, 1);
    for (OpenOutcome o : {OpenOutcome::Busy, OpenOutcome::Missing, OpenOutcome::Denied}) {
        test::FakePort port = ClosedPort(o);
        QString why;
        EXPECT_EQ(OpenMeterPort(port, &why), o);
        EXPECT_EQ(why, "porta ocupada");
    }
}

TEST(QtSerialPortOpen, missingDeviceIsReportedAsMissingAndStaysHarmless) {
    QtSerialPort port("/dev/montira-no-such-port");
    QString why;
    EXPECT_EQ(port.open(&why), OpenOutcome::Missing);
    EXPECT_TRUE(why.contains("/dev/montira-no-such-port"));
    EXPECT_FALSE(port.failed());
    EXPECT_TRUE(port.readAll().isEmpty());
    port.write("Q");
}
