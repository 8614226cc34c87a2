// The keypad, clock and settings windows against the simulated meter on the virtual clock.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QRadioButton>
#include <QTimeZone>

#include "support/SimRig.h"
#include "ui/memory/MeterBtn.h"
#include "ui/memory/SamplingDialogs.h"
#include "ui/memory/SettingsFlows.h"
#include "ui/memory/Setup.h"

using namespace montira;

namespace {

QByteArray Bytes(std::initializer_list<int> v) {
    QByteArray b;
    for (int x : v) b += char(uint8_t(x));
    return b;
}

struct Rig : test::SimRig {
    QStringList messages;
    Rig() { online(); }
};

}  // namespace

// What a key sends during a run is checked on the exchange (Keypad); here the window's wiring.
TEST(MeterBtnWindow, keysReachTheMeterAndReadAllIsRefusedDuringARun) {
    Rig r;
    MeterBtn w(r.state, r.port, r.clock, r.pause);
    w.button(MeterKey::Hold)->click();
    EXPECT_EQ(r.meter.commandLog(), "L");
    r.state.live.flags.FlagRun = true;
    w.CmdReadAll->click();
    EXPECT_EQ(r.meter.commandLog(), "L");
}

TEST(MeterBtnWindow, readAllWithNoRecordsStoredSaysSoAndFreesTheKeys) {
    Rig r;
    MeterBtn w(r.state, r.port, r.clock, r.pause);
    w.message = [&](const QString& m) { r.messages << m; };
    r.meter.clearManualRecords();
    w.CmdReadAll->click();
    EXPECT_EQ(r.messages, QStringList{"Não há dados armazenados na memória!"});
    EXPECT_TRUE(w.button(MeterKey::Read)->isEnabled());
    EXPECT_FALSE(r.state.link.KeypadBusy);
}

// The bytes of the clock exchange are checked on the exchange (MeterClock).
TEST(SetupWindow, setTimeSendsTheComputerClockAndNothingWhenOffline) {
    Rig r;
    montira::Setup w(r.state, r.port, r.clock, r.pause);
    w.now = [] { return QDateTime(QDate(2026, 3, 4), QTime(9, 5, 7), QTimeZone::utc()); };
    r.markNow();
    w.CmdSetTime->click();
    EXPECT_TRUE(r.sent().endsWith(Bytes({'F', 26, 3, 4, 9, 5, 7})));

    r.state.link.MeterOnline = false;
    r.markNow();
    w.CmdSetTime->click();
    EXPECT_TRUE(r.sent().isEmpty());
    EXPECT_FALSE(w.windowOpen());
}

TEST(SettingsWindows, secondsReplyPreselectsSecondsAndTextIsAskedAgain) {
    Rig r;
    SettingsContext c{r.state, r.port, r.clock, r.pause, nullptr, {}, {}, {}};
    QStringList answers{"um", "0"}, defaults;
    bool secondsPreselected = false;
    c.inputBox = [&](const QString&, const QString&, const QString& def, QString* a) {
        defaults << def;
        if (answers.isEmpty()) return false;
        *a = answers.takeFirst();
        return true;
    };
    c.minSec = [&] {
        MinSec d(c.sampling);
        secondsPreselected = d.OptSec->isChecked() && !d.OptMin->isChecked();
        d.CmdOK->click();
    };
    c.message = [&](const QString& m) { r.messages << m; };
    r.markNow();
    RunMeterSampling(c);
    EXPECT_TRUE(secondsPreselected);
    EXPECT_EQ(defaults, (QStringList{"2", "2"}));  // byte 2 of the "J" reply
    EXPECT_TRUE(r.sent().endsWith(Bytes({'I', 1})));

    r.state.link.KeypadBusy = true;
    RunMeterSampling(c);
    EXPECT_EQ(r.messages, QStringList{"Erro!Registrando!"});
}

TEST(SettingsWindows, cancelledPowerOffSendsEOnly) {
    Rig r;
    SettingsContext c{r.state, r.port, r.clock, r.pause, nullptr, {}, {}, {}};
    c.inputBox = [](const QString&, const QString&, const QString&, QString*) { return false; };
    r.markNow();
    RunPowerOff(c);
    EXPECT_EQ(r.sent().right(1), "E");
    EXPECT_EQ(r.sent().count('A'), 0);
}
