#include "ui/panel/Panel.h"

#include <gtest/gtest.h>

#include <QLabel>

#include "support/PanelRig.h"

using namespace montira;

using montira::test::PanelRig;

TEST(Panel, loadFailsWithAReasonWhenThePortCannotBeOpened) {
    VirtualClock clock;
    sim::SimMeter meter;
    sim::SimSerialPort port{meter, clock};
    port.setAvailable(false);
    AppState state, none;  // none: no port chosen at all
    state.link.PortId = "SIM";
    for (AppState* s : {&state, &none}) {
        Panel panel(*s, port, clock);
        panel.setQuitOnClose(false);
        QString reason;
        EXPECT_FALSE(panel.load(&reason));
        EXPECT_FALSE(reason.isEmpty());
    }
}

// The poll's clock check and frame wait are checked on the poll itself.
TEST(Panel, firstFrameShowsTheValuesInBothUnits) {
    PanelRig rig;
    ASSERT_TRUE(rig.loaded);
    ASSERT_TRUE(rig.connect());
    const Reading& r = rig.state.live.reading;
    EXPECT_EQ(rig.text("LblTemperature"), r.DryText);
    rig.state.CelsiusMode = false;
    rig.panel.showUnitMarkers();
    const int shown = rig.panel.poll().framesShown();
    ASSERT_TRUE(rig.until([&] { return rig.panel.poll().framesShown() > shown; }));
    EXPECT_EQ(rig.text("LblWind"), r.AirSpeedTextFtMin);
    EXPECT_EQ(rig.text("LblTemperature"), r.DryTextF);
    EXPECT_TRUE(rig.label("ImaF")->isVisibleTo(&rig.panel));
}

TEST(Panel, silentMeterBlinksSemComunicacaoStopsRecordingAndClosesLiveWindows) {
    PanelRig rig;
    ASSERT_TRUE(rig.connect());
    int silents = 0, toggles = 0;
    bool lastVisible = true;
    const auto follow = rig.panel.session().follow(
        [&](const LiveEvent& e) { silents += e.kind == LiveEvent::Silent ? 1 : 0; });
    rig.state.Recording = true;
    const qint64 silentFrom = rig.clock.nowMs();
    rig.meter.faults().silentAfterMs = silentFrom;
    rig.clock.addListener([&](qint64) {
        QLabel* com = rig.label("LblCOM");
        if (com->isVisibleTo(&rig.panel) != lastVisible) {
            lastVisible = !lastVisible;
            ++toggles;
            EXPECT_EQ(com->text(), "Sem comunicação");
        }
    });
    rig.clock.advance(60000);
    rig.meter.faults().silentAfterMs = -1;  // the meter comes back
    ASSERT_TRUE(rig.until([&] { return rig.state.link.MeterOnline && !rig.state.link.LinkLost; }));
    EXPECT_GE(silents, 1);  // the live windows and the keypad were told to close
    EXPECT_FALSE(rig.state.Recording);
    EXPECT_GT(toggles, 100);  // every 50 ms for most of a minute
    EXPECT_EQ(rig.text("LblCOM"), "SIMULADOR");
    EXPECT_TRUE(rig.label("LblCOM")->isVisibleTo(&rig.panel));
}

TEST(Panel, closingWhileWaitingForTheMeterStopsThePollAndReleasesThePort) {
    PanelRig rig;
    rig.meter.faults().silentAfterMs = 0;
    rig.clock.advance(2000);
    rig.panel.close();
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_FALSE(rig.panel.link().liveRunning());
    EXPECT_FALSE(rig.panel.timer2()->isActive());
    const int toggles = rig.panel.poll().noDataRuns();
    rig.clock.advance(5000);  // nothing runs any more
    EXPECT_EQ(rig.panel.poll().noDataRuns(), toggles);
    EXPECT_FALSE(rig.port.isOpen());
}

TEST(Panel, vanishedPortIsReopenedAndTheValuesComeBack) {
    PanelRig rig;
    ASSERT_TRUE(rig.connect());
    rig.port.setAvailable(false);  // adapter pulled out
    ASSERT_TRUE(rig.until([&] { return rig.state.link.LinkLost; }));
    rig.clock.advance(3000);
    EXPECT_FALSE(rig.port.isOpen());
    rig.port.setAvailable(true);
    const int shown = rig.panel.poll().framesShown();
    ASSERT_TRUE(rig.until([&] { return rig.panel.poll().framesShown() > shown; }));
    EXPECT_FALSE(rig.state.link.LinkLost);
    EXPECT_TRUE(rig.port.isOpen());
}
