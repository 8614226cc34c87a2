// The keypad, clock and settings windows against the simulated meter on the virtual clock.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimeZone>

#include "core/meter/StatusFlags.h"
#include "support/PanelRig.h"
#include "support/SimRig.h"
#include "ui/memory/MeterBtn.h"
#include "ui/memory/SamplingDialogs.h"
#include "ui/memory/SettingsFlows.h"
#include "ui/memory/Setup.h"
#include "ui/tables/Manual.h"

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
    // Runs the virtual clock until `done` holds (a minute at most).
    bool until(const std::function<bool()>& done) { return clock.advanceUntil(done, 60000); }
};

// The program's windows declare no meta-object of their own: found by their C++ type.
template <class T>
T* Find(QWidget& parent) {
    for (QWidget* w : parent.findChildren<QWidget*>())
        if (auto* t = dynamic_cast<T*>(w)) return t;
    return nullptr;
}

// Every indicator of the replica lit, with the widest value texts.
ReplicaView AllLit() {
    ReplicaView v;
    for (bool* b : {&v.LblDry,  &v.lblWet,    &v.LblGlobe, &v.LblDew, &v.LblWBGTi,    &v.LblWBGTo,
                    &v.LblRH,   &v.LblHumidx, &v.LblBt,    &v.LcdU,   &v.LcdD,        &v.LblHi,
                    &v.LblAuto, &v.LblFull,   &v.LblH,     &v.LblBt1, &v.LblPowerOff, &v.LblAVG,
                    &v.LblTwc,  &v.Lblfm,     &v.Lblms,    &v.LblRun, &v.LblM,        &v.LblR,
                    &v.UpF,     &v.UpC,       &v.DownF,    &v.DownC,  &v.LblMax,      &v.LblMin})
        *b = true;
    v.LcdUText = "-6000";
    v.LcdDText = "-199.9";
    return v;
}

// The replica's labels other than the values, the clock and the number field.
QList<QLabel*> Indicators(MeterDisplay& d) {
    QList<QLabel*> out;
    for (QLabel* l : d.findChildren<QLabel*>())
        if (!QList<QLabel*>{d.LcdU, d.LcdD, d.LblNo, d.LblHr, d.LblMn, d.LblSc, d.LblSign1,
                            d.LblSign2}
                 .contains(l) &&
            !l->objectName().isEmpty())
            out << l;
    return out;
}

}  // namespace

// Status byte B (frame byte 4): bit 0 dry bulb, bit 3 lower value, bit 4 upper value; no
// channel bit at all means air speed.
TEST(MeterDisplayReplica, valueLinesShowOnlyWhenTheirFlagsSaySo) {
    const struct {
        const char* name;
        int statusB;
        bool upper, lower;
    } rows[] = {{"upperValue", 0x10, true, false},
                {"lowerValue", 0x08, true, true},
                {"dryBulbChannelOnly", 0x01, false, false},
                {"airSpeed", 0x00, false, false}};
    MeterDisplay d;
    d.show();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        StatusFlags f;
        DecodeStatusB(f, uint8_t(row.statusB));
        DisplayFields fields;
        fields.Upper = 25.3;
        fields.Lower = 31.2;
        d.show(ComputeReplica(f, fields, {}));
        EXPECT_EQ(d.LcdU->isVisible(), row.upper);
        EXPECT_EQ(d.LcdD->isVisible(), row.lower);
    }
}

TEST(MeterDisplayReplica, indicatorsKeepTheirPlacesAndTheKeypadItsSize) {
    Rig r;
    MeterBtn w(r.state, r.meterLink);
    w.show();
    w.showReplica(AllLit());
    QCoreApplication::processEvents();
    const QSize size = w.size();
    QMap<QString, QRect> places;
    const QList<QLabel*> indicators = Indicators(*w.display);
    ASSERT_GE(indicators.size(), 28);
    for (QLabel* l : indicators) {
        places[l->objectName()] = l->geometry();
        // The whole text fits its place, and no two indicators touch.
        EXPECT_GE(l->width(), l->fontMetrics().horizontalAdvance(l->text()))
            << l->objectName().toStdString();
        for (QLabel* o : indicators) {
            if (o == l) continue;
            EXPECT_FALSE(l->geometry().adjusted(-1, 0, 1, 0).intersects(o->geometry()))
                << l->objectName().toStdString() << " " << o->objectName().toStdString();
        }
    }
    ReplicaView few;
    few.LblH = few.LcdU = true;
    few.LcdUText = "5.0";
    w.showReplica(few);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.size(), size);
    EXPECT_EQ(w.display->findChild<QLabel*>("LblH")->geometry(), places["LblH"]);
    w.showReplica(ReplicaView{});
    QCoreApplication::processEvents();
    EXPECT_EQ(w.size(), size);
}

// In the Portuguese interface no key's tool tip is the command line's English key name.
TEST(MeterBtnWindow, keyToolTipsAreNotTheCommandLinesKeyNames) {
    Rig r;
    MeterBtn w(r.state, r.meterLink);
    const std::pair<MeterKey, const char*> keys[] = {
        {MeterKey::CF, "CF"},     {MeterKey::Down, "Down"},     {MeterKey::Escape, "Escape"},
        {MeterKey::Hold, "Hold"}, {MeterKey::MaxMin, "MaxMin"}, {MeterKey::Mem, "Mem"},
        {MeterKey::Mode, "Mode"}, {MeterKey::Read, "Read"},     {MeterKey::RunStop, "RunStop"},
        {MeterKey::Time, "Time"}, {MeterKey::Up, "Up"}};
    for (const auto& [key, name] : keys) {
        const QString tip = w.button(key)->toolTip();
        EXPECT_FALSE(tip.isEmpty()) << name;
        EXPECT_NE(tip.compare(QLatin1String(name), Qt::CaseInsensitive), 0) << name;
    }
}

// The manual-records window chooses its table from the panel's unit before "T" is sent, and
// shows that one alone while the records arrive.
TEST(MeterBtnWindow, manualDownloadShowsOnlyThePanelsUnitTable) {
    for (const bool celsius : {true, false}) {
        SCOPED_TRACE(celsius ? "celsius" : "fahrenheit");
        test::PanelRig rig(test::PanelRig::Windows);
        ASSERT_TRUE(rig.connect());
        rig.state.CelsiusMode = celsius;
        rig.click(ToolbarCommand::Btn);
        auto* keypad = Find<MeterBtn>(rig.panel);
        ASSERT_NE(keypad, nullptr);
        QList<std::pair<bool, bool>> shown;  // GridC, GridF at each progress step
        const auto caption = keypad->manualCaption;
        keypad->manualCaption = [&](const QString& c) {
            caption(c);
            if (auto* m = Find<Manual>(rig.panel))
                shown << std::pair(m->GridC->isVisible(), m->GridF->isVisible());
        };
        keypad->readAll();
        ASSERT_TRUE(rig.clock.advanceUntil([&] { return !keypad->busy(); }, 60000));
        ASSERT_FALSE(shown.isEmpty());
        for (const auto& [c, f] : shown) EXPECT_EQ(std::pair(c, f), std::pair(celsius, !celsius));
    }
}

// What a key sends during a run is checked on the exchange (Keypad); here the window's wiring.
TEST(MeterBtnWindow, keysReachTheMeterAndReadAllIsRefusedDuringARun) {
    Rig r;
    MeterBtn w(r.state, r.meterLink);
    w.button(MeterKey::Hold)->click();
    EXPECT_TRUE(r.state.link.KeypadBusy);
    // A second key while the first is on its way is refused, not queued.
    EXPECT_EQ(w.press(MeterKey::Mode), KeyOutcome::RefusedBusy);
    ASSERT_TRUE(r.until([&] { return !w.busy(); }));
    EXPECT_EQ(r.meter.commandLog(), "L");
    r.state.live.flags.FlagRun = true;
    w.CmdReadAll->click();
    r.clock.advance(1000);
    EXPECT_EQ(r.meter.commandLog(), "L");
}

TEST(MeterBtnWindow, readAllWithNoRecordsStoredSaysSoAndFreesTheKeys) {
    Rig r;
    MeterBtn w(r.state, r.meterLink);
    w.message = [&](const QString& m) { r.messages << m; };
    r.meter.clearManualRecords();
    w.CmdReadAll->click();
    EXPECT_FALSE(w.button(MeterKey::Read)->isEnabled());
    ASSERT_TRUE(r.until([&] { return !w.busy(); }));
    EXPECT_EQ(r.messages, QStringList{"Não há dados armazenados na memória!"});
    EXPECT_TRUE(w.button(MeterKey::Read)->isEnabled());
    EXPECT_FALSE(r.state.link.KeypadBusy);
}

// Closing the keypad ends its download at once and says nothing about it.
TEST(MeterBtnWindow, closingTheKeypadEndsItsDownloadQuietly) {
    Rig r;
    MeterBtn w(r.state, r.meterLink);
    w.message = [&](const QString& m) { r.messages << m; };
    w.show();
    w.CmdReadAll->click();
    r.clock.advance(30);
    ASSERT_TRUE(w.busy());
    w.close();
    EXPECT_FALSE(w.busy());
    EXPECT_FALSE(r.state.link.KeypadBusy);
    EXPECT_FALSE(r.state.live.flags.FlagRun);
    EXPECT_TRUE(r.messages.isEmpty());
}

// The bytes of the clock exchange are checked on the exchange (MeterClock).
TEST(SetupWindow, setTimeSendsTheComputerClockAndNothingWhenOffline) {
    Rig r;
    montira::Setup w(r.state, r.meterLink);
    w.now = [] { return QDateTime(QDate(2026, 3, 4), QTime(9, 5, 7), QTimeZone::utc()); };
    r.markNow();
    w.CmdSetTime->click();
    ASSERT_TRUE(r.until([&] { return !w.busy(); }));
    EXPECT_TRUE(r.sent().endsWith(Bytes({'F', 26, 3, 4, 9, 5, 7})));
    EXPECT_TRUE(w.windowOpen());

    r.state.link.MeterOnline = false;
    r.markNow();
    w.CmdSetTime->click();
    r.clock.advance(1000);
    EXPECT_TRUE(r.sent().isEmpty());
    EXPECT_FALSE(w.windowOpen());
}

// Showing the meter's clock keeps the live reader stopped until the window closes; a tick
// while the last "G" is on its way neither asks again nor closes the window.
TEST(SetupWindow, meterClockHoldsTheLinkUntilTheWindowCloses) {
    Rig r;
    montira::Setup w(r.state, r.meterLink);
    w.clickMeterTime();
    EXPECT_TRUE(r.meterLink.taken());
    w.tick();
    ASSERT_TRUE(w.busy());
    w.tick();
    EXPECT_TRUE(w.windowOpen());
    ASSERT_TRUE(r.until([&] { return !w.busy(); }));
    EXPECT_EQ(r.meter.commandLog().count('G'), 1);
    EXPECT_TRUE(
        w.LblMeterTime->text().contains(QRegularExpression("^\\d\\d/\\d\\d/\\d\\d \\d\\d:")))
        << w.LblMeterTime->text().toStdString();
    w.tick();
    w.CmdExit->click();  // the "G" in progress ends with the window
    EXPECT_FALSE(w.windowOpen());
    EXPECT_FALSE(r.meterLink.busy());
    EXPECT_FALSE(r.meterLink.taken());
}

TEST(SettingsWindows, secondsReplyPreselectsSecondsAndTextIsAskedAgain) {
    Rig r;
    SettingsFlows c(r.state, r.meterLink);
    QStringList answers{"um", "0"}, defaults;
    bool secondsPreselected = false, heldAtTheBox = false;
    c.inputBox = [&](const QString&, const QString&, const QString& def, QString* a) {
        defaults << def;
        heldAtTheBox = r.meterLink.taken();
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
    c.runMeterSampling();
    ASSERT_TRUE(r.until([&] { return !c.running(); }));
    EXPECT_TRUE(secondsPreselected);
    EXPECT_TRUE(heldAtTheBox);
    EXPECT_FALSE(r.meterLink.taken());
    EXPECT_EQ(defaults, (QStringList{"2", "2"}));  // byte 2 of the "J" reply
    EXPECT_TRUE(r.sent().endsWith(Bytes({'I', 1})));
    EXPECT_TRUE(r.messages.isEmpty());

    r.state.link.KeypadBusy = true;
    c.runMeterSampling();
    EXPECT_EQ(r.messages, QStringList{"Erro!Registrando!"});
}

// After "B" the meter waits for "A" or "E": the link stays held across the input box.
TEST(SettingsWindows, powerOffEndsWithAOrEAndHoldsTheLinkMeanwhile) {
    const struct {
        const char* name;
        bool ok;
        const char* answer;
        QByteArray tail;
    } rows[] = {{"cancelled", false, "", "E"},
                {"empty", true, "", "E"},
                {"value", true, "300", Bytes({'A', 1, 44})}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Rig r;
        SettingsFlows c(r.state, r.meterLink);
        bool held = false;
        c.inputBox = [&](const QString&, const QString&, const QString&, QString* a) {
            held = r.meterLink.taken() && !r.meterLink.liveRunning();
            *a = row.answer;
            return row.ok;
        };
        c.message = [&](const QString& m) { r.messages << m; };
        r.markNow();
        c.runPowerOff();
        ASSERT_TRUE(r.until([&] { return !c.running(); }));
        EXPECT_TRUE(held);
        EXPECT_FALSE(r.meterLink.taken());
        EXPECT_TRUE(r.sent().endsWith(row.tail)) << r.sent().toHex().toStdString();
        EXPECT_EQ(r.sent().count('B'), 1);
        EXPECT_EQ(r.sent().count('A') + r.sent().count('E'), 1);
        EXPECT_TRUE(r.messages.isEmpty());
    }
}
