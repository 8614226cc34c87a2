#include "ui/link/Port.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include "core/AppState.h"
#include "ui/link/NoPortMessage.h"
#include "ui/link/PortList.h"

using namespace montira;

namespace {

// A probe that finds the ports it is told about; the others are missing.
class FakeProbe : public PortProbe {
public:
    QMap<QString, OpenOutcome> present;
    QStringList asked;
    OpenOutcome probe(const QString& id) override {
        asked << id;
        return present.value(id, OpenOutcome::Missing);
    }
};

QStringList Items(QComboBox* c) {
    QStringList out;
    for (int i = 0; i < c->count(); ++i) out << c->itemText(i);
    return out;
}

struct PortRig {
    AppState state;
    FakeProbe probe;
    QList<SystemPort> system;
    std::unique_ptr<Port> dialog;
    int deviceManagerCalls = 0;

    void open() {
        PortSources s;
        s.systemPorts = [this] { return system; };
        s.probe = &probe;
        s.openDeviceManager = [this] { ++deviceManagerCalls; };
        dialog = std::make_unique<Port>(state, s);
    }
    QComboBox* combo() { return dialog->findChild<QComboBox*>("TxtCOM"); }
    void click(const char* name) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(name), Qt::LeftButton);
    }
};

}  // namespace

TEST(Port, loadListsSixteenNumberedPortsThenSystemPortsThenSim) {
    PortRig rig;
    rig.system = {{"/dev/ttyUSB0", "USB-Serial Controller", "Prolific"},
                  {"/dev/ttyS0", "16550A UART", ""}};
    rig.open();
    EXPECT_EQ(rig.dialog->windowTitle(), "COM Port");
    const QStringList items = Items(rig.combo());
    ASSERT_EQ(items.size(), 18);  // ttyS0 is port 1, so it is not listed twice
    EXPECT_EQ(items[0], "COM  1");
    EXPECT_EQ(items[15], "COM  16");
    EXPECT_EQ(items[16], "COM  /dev/ttyUSB0");
    EXPECT_EQ(items[17], "COM  SIM");
    EXPECT_EQ(rig.combo()->currentIndex(), 0);
    const QString tip = rig.combo()->itemData(16, Qt::ToolTipRole).toString();
    EXPECT_TRUE(tip.contains("USB-Serial Controller"));
    EXPECT_TRUE(tip.contains("Prolific"));
#ifndef Q_OS_WIN
    EXPECT_TRUE(rig.combo()->itemData(0, Qt::ToolTipRole).toString().contains("16550A"));
#endif
}

TEST(Port, autoScanWithPortsOneAndFourListsExactlyThoseAndSim) {
    PortRig rig;
    rig.probe.present = {
        {"1", OpenOutcome::Opened}, {"4", OpenOutcome::Busy}, {"7", OpenOutcome::Denied}};
    rig.open();
    rig.combo()->setCurrentIndex(5);
    rig.click("BtnAutoScan");
    EXPECT_EQ(Items(rig.combo()), (QStringList{"COM  1", "COM  4", "COM  SIM"}));
    EXPECT_EQ(rig.combo()->currentIndex(), 0);
    EXPECT_EQ(rig.probe.asked.size(), 16);  // every candidate but SIM, none twice
    EXPECT_FALSE(rig.probe.asked.contains("SIM"));
    auto* bar = rig.dialog->findChild<QProgressBar*>("ProgressBar1");
    EXPECT_EQ(bar->maximum(), 16);
    EXPECT_EQ(bar->value(), 16);

    rig.click("BtnReset");
    EXPECT_EQ(rig.combo()->count(), 17);
    rig.click("BtnDeviceManager");
    EXPECT_EQ(rig.deviceManagerCalls, 1);
}

TEST(Port, autoScanWithNoPortLeavesOnlySimAndOkKeepsTheNumber) {
    PortRig rig;
    rig.state.link.CommPortNumber = 5;
    rig.open();
    rig.click("BtnAutoScan");
    EXPECT_EQ(Items(rig.combo()), QStringList{"COM  SIM"});
    rig.combo()->setEditText("COM1");  // typed by hand, without the two spaces
    rig.click("CmdOK");
    EXPECT_EQ(rig.state.link.CommPortNumber, 5);
    EXPECT_TRUE(rig.state.PortId.isEmpty());
    EXPECT_EQ(rig.dialog->result(), QDialog::Accepted);
}

TEST(Port, okTakesTheTextAfterTheTwoSpaces) {
    PortRig rig;
    rig.open();
    rig.combo()->setCurrentIndex(11);
    rig.click("CmdOK");
    EXPECT_EQ(rig.state.link.CommPortNumber, 12);
    EXPECT_EQ(rig.state.PortId, "12");

    rig.combo()->setEditText("COM  /dev/ttyACM0");
    rig.dialog->ok();
    EXPECT_EQ(rig.state.PortId, "/dev/ttyACM0");
    EXPECT_EQ(rig.state.link.CommPortNumber, 0);

    rig.combo()->setEditText("/dev/pts/3");  // a device path typed alone
    rig.dialog->ok();
    EXPECT_EQ(rig.state.PortId, "/dev/pts/3");
}

TEST(Port, portOptionPreselectsItsEntryOrAddsIt) {
    PortRig rig;
    rig.open();
    rig.dialog->preselect("sim");
    EXPECT_EQ(rig.combo()->currentText(), "COM  SIM");
    rig.dialog->preselect("3");
    EXPECT_EQ(rig.combo()->currentText(), "COM  3");
    rig.dialog->preselect("/dev/pts/9");
    EXPECT_EQ(rig.combo()->currentText(), "COM  /dev/pts/9");
    EXPECT_EQ(rig.combo()->count(), 18);
    rig.dialog->ok();
    EXPECT_EQ(rig.state.PortId, "/dev/pts/9");
}
