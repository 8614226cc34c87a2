#include <gtest/gtest.h>

#include "ui/link/PortList.h"

using namespace montira;

TEST(PortList, offersAnAdaptersStableNameAfterItsPath) {
    SystemPort usb{"/dev/ttyUSB0", "USB-Serial Controller", "Prolific",
                   "/dev/serial/by-id/usb-Prolific_A1-if00-port0"};
    SystemPort numbered{"/dev/ttyS0", "16550A UART", "", "/dev/serial/by-id/pci-uart-0"};
    const QList<PortEntry> entries = AllPortEntries({usb, numbered, usb});
    QStringList ids;
    for (const PortEntry& e : entries) ids << e.id;
    ASSERT_EQ(ids.size(), 16 + 3 + 1) << ids.join(' ').toStdString();  // the twin is not repeated
    EXPECT_EQ(ids[16], "/dev/ttyUSB0");
    EXPECT_EQ(ids[17], "/dev/serial/by-id/usb-Prolific_A1-if00-port0");
    EXPECT_EQ(entries[17].toolTip, "USB-Serial Controller — Prolific");
    EXPECT_EQ(ids[18], "/dev/serial/by-id/pci-uart-0");  // port 1 keeps its number too
    EXPECT_EQ(ids.back(), "SIM");
}
