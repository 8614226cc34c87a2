#include <gtest/gtest.h>

#include "ui/link/PortList.h"

using namespace montira;

TEST(PortList, offersAnAdaptersStableNameRightAfterItsPath) {
    const QString byId = "/dev/serial/by-id/usb-Prolific_A1-if00-port0";
    PortIdentity usb;
    usb.device = "/dev/ttyUSB0";
    usb.byId = byId;
    PortIdentity uart;
    uart.device = "/dev/ttyS0";  // no stable name
    const QList<SystemPort> system = WithStableNames(
        {{"/dev/ttyUSB0", "USB-Serial Controller", "Prolific"}, {"/dev/ttyS0", "16550A UART", ""}},
        {uart, usb});
    const QList<PortEntry> entries = AllPortEntries(system);
    QStringList ids;
    for (const PortEntry& e : entries) ids << e.id;
    ASSERT_EQ(ids.size(), 16 + 2 + 1) << ids.join(' ').toStdString();
    EXPECT_EQ(ids[16], "/dev/ttyUSB0");
    EXPECT_EQ(ids[17], byId);
    EXPECT_EQ(entries[17].toolTip, "USB-Serial Controller — Prolific");
    EXPECT_EQ(ids.back(), "SIM");
}
