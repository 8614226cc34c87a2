#include "ui/link/Port.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include "core/AppState.h"
#include "support/ModalAnswer.h"

using namespace montira;
using montira::test::ModalAnswer;

namespace {

class FakeProbe : public PortProbe {
public:
    QMap<QString, OpenOutcome> present;
    QStringList asked;
    OpenOutcome probe(const QString& id) override {
        asked << id;
        return present.value(id, OpenOutcome::Missing);
    }
};

struct PortRig {
    AppState state;
    FakeProbe probe;
    std::unique_ptr<Port> dialog;

    PortRig() {
        PortSources s;
        s.systemPorts = [] { return QList<SystemPort>{}; };
        s.probe = &probe;
        dialog = std::make_unique<Port>(state, s);
    }
    QComboBox* combo() { return dialog->findChild<QComboBox*>("TxtCOM"); }
    QStringList items() {
        QStringList out;
        for (int i = 0; i < combo()->count(); ++i) out << combo()->itemText(i);
        return out;
    }
    void click(const char* name) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(name), Qt::LeftButton);
    }
};

}  // namespace

TEST(Port, autoScanWithPortsOneAndFourListsExactlyThoseAndSim) {
    PortRig rig;
    rig.probe.present = {
        {"1", OpenOutcome::Opened}, {"4", OpenOutcome::Busy}, {"7", OpenOutcome::Denied}};
    rig.combo()->setCurrentIndex(5);
    rig.click("BtnAutoScan");
    EXPECT_EQ(rig.items(), (QStringList{"COM  1", "COM  4", "COM  SIM"}));
    EXPECT_EQ(rig.combo()->currentIndex(), 0);
    EXPECT_EQ(rig.probe.asked.size(), 16);  // every candidate but SIM, none twice
    rig.click("BtnReset");
    EXPECT_EQ(rig.combo()->count(), 17);
}

TEST(Port, autoScanWithoutARealPortNeverPicksTheSimulatorButOffersIt) {
    PortRig rig;
    rig.probe.present = {{"3", OpenOutcome::Denied}};
    for (auto [press, chosen] : {std::pair{QMessageBox::Ok, -1}, {QMessageBox::Yes, 0}}) {
        ModalAnswer answer(press);
        rig.click("BtnAutoScan");
        EXPECT_EQ(answer.seen, 1);
        EXPECT_EQ(answer.text, QStringLiteral("Não há porta COM disponível"));
        EXPECT_EQ(rig.items(), QStringList{"COM  SIM"});
        EXPECT_EQ(rig.combo()->currentIndex(), chosen);
    }
    rig.click("CmdOK");
    EXPECT_EQ(rig.state.link.PortId, "SIM");
}

TEST(Port, okTakesTheTextAfterTheTwoSpacesAndKeepsTheNumberOtherwise) {
    PortRig rig;
    rig.state.link.CommPortNumber = 5;
    rig.combo()->setEditText("COM1");  // typed by hand, without the two spaces
    rig.click("CmdOK");
    EXPECT_EQ(rig.state.link.CommPortNumber, 5);
    EXPECT_TRUE(rig.state.link.PortId.isEmpty());
    EXPECT_EQ(rig.dialog->result(), QDialog::Accepted);

    rig.combo()->setCurrentIndex(11);
    rig.dialog->ok();
    EXPECT_EQ(rig.state.link.CommPortNumber, 12);
    EXPECT_EQ(rig.state.link.PortId, "12");
    rig.combo()->setEditText("COM  /dev/ttyACM0");
    rig.dialog->ok();
    EXPECT_EQ(rig.state.link.PortId, "/dev/ttyACM0");
    EXPECT_EQ(rig.state.link.CommPortNumber, 0);
}

TEST(Port, portOptionPreselectsItsEntryOrAddsIt) {
    PortRig rig;
    rig.dialog->preselect("sim");
    EXPECT_EQ(rig.combo()->currentText(), "COM  SIM");
    rig.dialog->preselect("3");
    EXPECT_EQ(rig.combo()->currentText(), "COM  3");
    rig.dialog->preselect("/dev/pts/9");
    EXPECT_EQ(rig.combo()->currentText(), "COM  /dev/pts/9");
    EXPECT_EQ(rig.combo()->count(), 18);
    rig.dialog->ok();
    EXPECT_EQ(rig.state.link.PortId, "/dev/pts/9");
}
