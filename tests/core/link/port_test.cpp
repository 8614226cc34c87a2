#include <gtest/gtest.h>

#include "core/link/OpenMeterPort.h"
#include "core/link/QtSerialPort.h"
#include "core/link/RelocatingPort.h"
#include "support/FakePort.h"

using namespace montira;

namespace {

struct ClosedPort : test::FakePort {
    explicit ClosedPort(OpenOutcome outcome) {
        closeNow();
        openOutcome = outcome;
    }
};

PortIdentity Usb(const QString& device, quint16 vendor, quint16 product, const QString& serial) {
    return {device, {}, true, vendor, product, serial};
}

PortIdentity Stable(const QString& device, const QString& byId) {
    return {device, byId, false, 0, 0, {}};
}

// The ports present now; every device the relocating port makes a port for is noted.
struct Devices : PortDirectory {
    QList<PortIdentity> present;
    QStringList made;
    QList<PortIdentity> ports() const override { return present; }
};

}  // namespace

TEST(OpenMeterPort, opensOnlyAClosedPortAndSaysWhyItFailed) {
    ClosedPort closed(OpenOutcome::Opened);
    EXPECT_EQ(OpenMeterPort(closed), OpenOutcome::Opened);
    EXPECT_EQ(OpenMeterPort(closed), OpenOutcome::Opened);
    EXPECT_EQ(closed.opens, 1);
    for (OpenOutcome o : {OpenOutcome::Busy, OpenOutcome::Missing, OpenOutcome::Denied}) {
        ClosedPort port(o);
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

TEST(WhereIsMeter, followsTheAdapterAndRefusesANameHeldByAnotherDevice) {
    const QString u0 = "/dev/ttyUSB0", u1 = "/dev/ttyUSB1", u3 = "/dev/ttyUSB3";
    const QString byId = "/dev/serial/by-id/usb-Prolific_A1-if00-port0";
    const PortIdentity meter = Usb(u0, 0x067b, 0x2303, "A1"),
                       meterAt1 = Usb(u1, 0x067b, 0x2303, "A1");
    const PortIdentity byIdAt0 = Stable(u0, byId), byIdAt3 = Stable(u3, byId);
    const std::tuple<const char*, PortIdentity, QString, QList<PortIdentity>, QString> rows[] = {
        {"stillThere", meter, u0, {meter}, u0},
        {"cameBackAsUsb1", meter, u0, {meterAt1}, u1},
        {"oldNameNowAnotherAdapter", meter, u0, {Usb(u0, 0x067b, 0x2303, "B9")}, ""},
        {"sameSerialOtherMaker", meter, u0, {Usb(u0, 0x0403, 0x2303, "A1")}, ""},
        {"oldNameTakenMeterElsewhere", meter, u0, {Usb(u0, 0x0403, 0x6001, "F"), meterAt1}, u1},
        {"oldNameTakenByUnidentifiedDevice", meter, u0, {Stable(u0, "")}, ""},
        {"goneAndNotBackYet", meter, u0, {}, u0},
        {"stableNameOnly", byIdAt0, u0, {byIdAt3}, u3},
        {"chosenByStableName", byIdAt0, byId, {byIdAt3}, byId},
        {"noSerialNumberKeepsTheName", Usb(u0, 0x067b, 0x2303, ""), u0, {Usb(u0, 1, 2, "")}, u0},
    };
    for (const auto& [name, known, wanted, ports, expected] : rows)
        EXPECT_EQ(WhereIsMeter(known, wanted, ports), expected) << name;
}

TEST(RelocatingPort, followsTheAdapterToItsNewNameAndRefusesAnotherOnTheOldOne) {
    Devices devices;
    devices.present = {Usb("/dev/ttyUSB0", 0x067b, 0x2303, "A1")};
    RelocatingPort port(
        "/dev/ttyUSB0",
        [&](const QString& d) {
            devices.made << d;
            auto p = std::make_unique<test::FakePort>();
            p->closeNow();
            return p;
        },
        devices);
    ASSERT_EQ(port.open(), OpenOutcome::Opened);  // the meter's adapter is learnt here
    // Pulled out; another adapter gets ttyUSB0.
    port.close();
    devices.present = {Usb("/dev/ttyUSB0", 0x067b, 0x2303, "B9")};
    QString why;
    EXPECT_EQ(port.open(&why), OpenOutcome::Missing);
    EXPECT_TRUE(why.contains("outro dispositivo")) << why.toStdString();
    // The meter's adapter comes back as ttyUSB1.
    devices.present << Usb("/dev/ttyUSB1", 0x067b, 0x2303, "A1");
    EXPECT_EQ(port.open(), OpenOutcome::Opened);
    EXPECT_EQ(port.deviceName(), "/dev/ttyUSB1");
    EXPECT_EQ(devices.made, (QStringList{"/dev/ttyUSB0", "/dev/ttyUSB1"}));
}
