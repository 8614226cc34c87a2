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

// The first tick's clock check and frame wait are checked on the poll (PollNoData).
TEST(Panel, firstTickShowsTheValuesInBothUnits) {
    PanelRig rig;
    ASSERT_TRUE(rig.loaded);
    rig.panel.timer1Tick();
    const Reading& r = rig.state.live.reading;
    EXPECT_EQ(rig.text("LblTemperature"), r.DryText);
    rig.state.CelsiusMode = false;
    rig.panel.showUnitMarkers();
    rig.panel.timer1Tick();
    EXPECT_EQ(rig.text("LblWind"), r.AirSpeedTextFtMin);
    EXPECT_EQ(rig.text("LblTemperature"), r.DryTextF);
    EXPECT_TRUE(rig.label("ImaF")->isVisibleTo(&rig.panel));
}

TEST(Panel, silentMeterBlinksSemComunicacaoStopsRecordingAndClosesLiveWindows) {
    PanelRig rig;
    rig.panel.timer1Tick();
    int closes = 0, keypadCloses = 0, toggles = 0;
    bool lastVisible = true;
    rig.panel.onCloseLiveWindows = [&] { ++closes; };
    rig.panel.onCloseKeypad = [&] { ++keypadCloses; };
    rig.state.Recording = true;
    rig.meter.faults().silentAfterMs = rig.clock.nowMs();
    rig.clock.addListener([&](qint64 now) {
        QLabel* com = rig.label("LblCOM");
        if (com->isVisibleTo(&rig.panel) != lastVisible) {
            lastVisible = !lastVisible;
            ++toggles;
            EXPECT_EQ(com->text(), "Sem comunicação");
        }
        if (now > 60000) rig.meter.faults().silentAfterMs = -1;  // the meter comes back
    });
    rig.panel.timer1Tick();
    EXPECT_GE(closes, 1);
    EXPECT_GE(keypadCloses, 1);
    EXPECT_FALSE(rig.state.Recording);
    EXPECT_GT(toggles, 100);  // every 50 ms for about a minute
    EXPECT_EQ(rig.text("LblCOM"), "SIMULADOR");
    EXPECT_TRUE(rig.label("LblCOM")->isVisibleTo(&rig.panel));
    EXPECT_TRUE(rig.state.link.MeterOnline);
}

// How the poll waits, reopens and gives up is checked on the poll (PollNoData); here that
// closing the window releases the port and a pulled adapter leaves the timer running.
TEST(Panel, closingWhileWaitingForTheMeterEndsTheTickAndReleasesThePort) {
    PanelRig rig;
    rig.meter.faults().silentAfterMs = 0;
    rig.clock.addListener([&](qint64 now) {
        if (now == 2000) rig.panel.close();
    });
    rig.panel.timer1Tick();
    EXPECT_LT(rig.clock.nowMs(), 3000);
    EXPECT_FALSE(rig.port.isOpen());
    EXPECT_FALSE(rig.panel.timer1()->isActive());
    EXPECT_FALSE(rig.panel.timer2()->isActive());
}

TEST(Panel, vanishedPortKeepsTheTimerAndResumesWhenItReturns) {
    PanelRig rig;
    rig.panel.timer1Tick();
    rig.port.setAvailable(false);  // adapter pulled out
    rig.panel.timer1Tick();
    EXPECT_TRUE(rig.state.link.LinkLost);
    EXPECT_TRUE(rig.panel.timer1()->isActive());
    rig.port.setAvailable(true);
    rig.panel.timer1Tick();
    EXPECT_FALSE(rig.state.link.LinkLost);
    EXPECT_EQ(rig.panel.poll().framesShown(), 2);
}

TEST(Panel, stopPollLetsACommandTakeThePortFromARunningTick) {
    PanelRig rig;
    rig.panel.timer1Tick();
    const int before = rig.panel.poll().framesShown();
    bool stopped = false;
    rig.clock.addListener([&](qint64) {
        if (!stopped && rig.panel.poll().running()) {
            stopped = true;
            rig.panel.stopPoll();
        }
    });
    rig.panel.timer1Tick();
    EXPECT_TRUE(stopped);
    EXPECT_EQ(rig.panel.poll().framesShown(), before);
    EXPECT_FALSE(rig.panel.timer1()->isActive());
}
