#include <gtest/gtest.h>

#include <QMap>

#include "core/AppState.h"
#include "core/link/NoData.h"
#include "core/link/RelocatingPort.h"
#include "core/link/VirtualClock.h"
#include "support/FrameBuilder.h"

using namespace montira;
using montira::test::FrameBuilder;

namespace {

PortIdentity Usb(const QString& device, quint16 vendor, quint16 product, const QString& serial) {
    PortIdentity p;
    p.device = device;
    p.hasUsbIds = true;
    p.vendor = vendor;
    p.product = product;
    p.serial = serial;
    return p;
}

PortIdentity Stable(const QString& device, const QString& byId) {
    PortIdentity p;
    p.device = device;
    p.byId = byId;
    return p;
}

}  // namespace

TEST(WhereIsMeter, followsTheAdapterAndRefusesANameHeldByAnotherDevice) {
    const PortIdentity meter = Usb("/dev/ttyUSB0", 0x067b, 0x2303, "A1");
    const QString byId = "/dev/serial/by-id/usb-Prolific_A1-if00-port0";
    struct Row {
        const char* name;
        PortIdentity meter;
        QString wanted;
        QList<PortIdentity> ports;
        QString expected;
    } rows[] = {
        {"stillThere", meter, "/dev/ttyUSB0", {meter}, "/dev/ttyUSB0"},
        {"cameBackAsUsb1",
         meter,
         "/dev/ttyUSB0",
         {Usb("/dev/ttyUSB1", 0x067b, 0x2303, "A1")},
         "/dev/ttyUSB1"},
        {"oldNameNowAnotherAdapter",
         meter,
         "/dev/ttyUSB0",
         {Usb("/dev/ttyUSB0", 0x067b, 0x2303, "B9")},
         ""},
        {"sameSerialOtherMaker",
         meter,
         "/dev/ttyUSB0",
         {Usb("/dev/ttyUSB0", 0x0403, 0x2303, "A1")},
         ""},
        {"oldNameTakenMeterElsewhere",
         meter,
         "/dev/ttyUSB0",
         {Usb("/dev/ttyUSB0", 0x0403, 0x6001, "FT1"), Usb("/dev/ttyUSB1", 0x067b, 0x2303, "A1")},
         "/dev/ttyUSB1"},
        {"oldNameTakenByUnidentifiedDevice",
         meter,
         "/dev/ttyUSB0",
         {Stable("/dev/ttyUSB0", "")},
         ""},
        {"goneAndNotBackYet", meter, "/dev/ttyUSB0", {}, "/dev/ttyUSB0"},
        {"stableNameOnly",
         Stable("/dev/ttyUSB0", byId),
         "/dev/ttyUSB0",
         {Stable("/dev/ttyUSB3", byId)},
         "/dev/ttyUSB3"},
        {"chosenByStableName",
         Stable("/dev/ttyUSB0", byId),
         byId,
         {Stable("/dev/ttyUSB3", byId)},
         byId},
        {"noSerialNumberKeepsTheName",
         Usb("/dev/ttyUSB0", 0x067b, 0x2303, ""),
         "/dev/ttyUSB0",
         {Usb("/dev/ttyUSB0", 0x1a86, 0x7523, "")},
         "/dev/ttyUSB0"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(WhereIsMeter(r.meter, r.wanted, r.ports), r.expected) << r.name;
}

namespace {

// Ports that come and go on the virtual clock; the meter sits behind one of them, sends a
// frame every 250 ms there, answers "Q" with "J" and "G" with a set clock.
struct World : PortDirectory {
    VirtualClock clock;
    QMap<QString, PortIdentity> present;
    QString meterAt;
    QStringList opened;  // every device opened, in order
    QList<PortIdentity> ports() const override { return present.values(); }
    // At `ms`, `change` runs once.
    void at(qint64 ms, std::function<void()> change) {
        auto done = std::make_shared<bool>(false);
        clock.addListener([=](qint64 now) {
            if (now >= ms && !*done) {
                *done = true;
                change();
            }
        });
    }
};

class WorldPort : public SerialPort {
public:
    WorldPort(World& w, QString device) : w_(w), device_(std::move(device)) {}
    OpenOutcome open(QString* = nullptr) override {
        if (!w_.present.contains(device_)) return OpenOutcome::Missing;
        open_ = true;
        w_.opened << device_;
        nextFrame_ = w_.clock.nowMs();
        return OpenOutcome::Opened;
    }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    bool failed() const override { return open_ && !w_.present.contains(device_); }
    int bytesWaiting() override {
        arrive();
        return int(inbox_.size());
    }
    QByteArray readAll() override {
        arrive();
        QByteArray b;
        b.swap(inbox_);
        return b;
    }
    void write(const QByteArray& b) override {
        if (!meterHere()) return;
        if (b == "Q") inbox_ += "J";
        if (b == "G") inbox_ += QByteArray("\x1A\x03\x04\x0C\x00\x00", 6);
    }
    void clear() override { inbox_.clear(); }

private:
    bool meterHere() const { return open_ && !failed() && w_.meterAt == device_; }
    void arrive() {
        if (!meterHere()) return;
        for (; nextFrame_ <= w_.clock.nowMs(); nextFrame_ += 250)
            inbox_ += FrameBuilder().dry(25.0).bytes();
    }
    World& w_;
    QString device_;
    bool open_ = false;
    qint64 nextFrame_ = 0;
    QByteArray inbox_;
};

struct RelocationRig {
    RelocationRig() {
        world.present["/dev/ttyUSB0"] = Usb("/dev/ttyUSB0", 0x067b, 0x2303, "A1");
        world.meterAt = "/dev/ttyUSB0";
    }
    NoDataResult waitForMeter(qint64 untilMs) {
        NoDataContext ctx{port, world.clock, state, hooks,
                          [this, untilMs] { return world.clock.nowMs() >= untilMs; }};
        return NoDataRoutine(ctx);
    }
    World world;
    RelocatingPort port{"/dev/ttyUSB0",
                        [this](const QString& d) { return std::make_unique<WorldPort>(world, d); },
                        world};
    AppState state;
    PollHooks hooks;
};

}  // namespace

TEST(RelocatingPort, pulledAdapterBackUnderANewNameIsReopenedThere) {
    RelocationRig rig;
    ASSERT_EQ(rig.port.open(), OpenOutcome::Opened);
    // Pulled out at 1 s; back as ttyUSB1 at 3 s.
    rig.world.at(1000, [&] { rig.world.present.clear(); });
    rig.world.at(3000, [&] {
        rig.world.present["/dev/ttyUSB1"] = Usb("/dev/ttyUSB1", 0x067b, 0x2303, "A1");
        rig.world.meterAt = "/dev/ttyUSB1";
    });
    rig.world.clock.advance(1100);
    EXPECT_TRUE(rig.port.failed());
    EXPECT_EQ(rig.waitForMeter(20000), NoDataResult::Online);
    EXPECT_EQ(rig.port.deviceName(), "/dev/ttyUSB1");
    EXPECT_EQ(rig.world.opened, (QStringList{"/dev/ttyUSB0", "/dev/ttyUSB1"}));
    EXPECT_LE(rig.world.clock.nowMs(), 3000 + 500 + 1000);  // one reopen period, one frame
    EXPECT_TRUE(rig.state.link.MeterOnline);
}

TEST(RelocatingPort, anotherAdapterUnderTheOldNameIsNotTakenForTheMeter) {
    RelocationRig rig;
    ASSERT_EQ(rig.port.open(), OpenOutcome::Opened);
    rig.world.at(1000, [&] { rig.world.present.clear(); });
    // Another adapter gets ttyUSB0 and even talks like a meter; the meter stays away.
    rig.world.at(2000, [&] {
        rig.world.present["/dev/ttyUSB0"] = Usb("/dev/ttyUSB0", 0x067b, 0x2303, "B9");
    });
    rig.world.clock.advance(1100);
    EXPECT_EQ(rig.waitForMeter(6000), NoDataResult::Interrupted);
    EXPECT_EQ(rig.world.opened, QStringList{"/dev/ttyUSB0"});  // only the first open
    QString why;
    EXPECT_EQ(rig.port.open(&why), OpenOutcome::Missing);
    EXPECT_TRUE(why.contains("outro dispositivo")) << why.toStdString();

    // The meter's own adapter comes back as ttyUSB1: found there.
    rig.world.present["/dev/ttyUSB1"] = Usb("/dev/ttyUSB1", 0x067b, 0x2303, "A1");
    rig.world.meterAt = "/dev/ttyUSB1";
    EXPECT_EQ(rig.waitForMeter(20000), NoDataResult::Online);
    EXPECT_EQ(rig.port.deviceName(), "/dev/ttyUSB1");
}
