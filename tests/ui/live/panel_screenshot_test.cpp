#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QTimer>

#include "core/AppState.h"
#include "core/link/VirtualClock.h"
#include "sim/SimMeter.h"
#include "sim/SimSerialPort.h"
#include "ui/link/Port.h"
#include "ui/live/Panel.h"

using namespace montira;

// Pictures of the panel for a person to look at: live values, and "Sem comunicação".
// Written only when MONTIRA_SCREENSHOT_DIR names a folder.
TEST(PanelScreenshot, liveAndSilentPanelsAreGrabbedWhenAsked) {
    const QString dir = qEnvironmentVariable("MONTIRA_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "MONTIRA_SCREENSHOT_DIR not set";
    VirtualClock clock;
    sim::SimMeter meter;
    sim::SimSerialPort port{meter, clock};
    AppState state;
    state.PortId = "SIM";
    Panel panel(state, port, clock);
    panel.setQuitOnClose(false);
    ASSERT_TRUE(panel.load());
    panel.timer1()->stop();
    panel.timer2()->stop();
    panel.show();
    EXPECT_TRUE(panel.grab().save(QDir(dir).filePath("panel_start.png")));
    panel.timer1Tick();
    EXPECT_TRUE(panel.grab().save(QDir(dir).filePath("panel_live.png")));

    state.CelsiusMode = false;
    panel.showUnitMarkers();
    panel.timer1Tick();
    EXPECT_TRUE(panel.grab().save(QDir(dir).filePath("panel_live_f.png")));

    // Silent: grab while NoDataRoutine blinks, with the label showing.
    meter.faults().silentAfterMs = clock.nowMs();
    bool grabbed = false;
    clock.addListener([&](qint64 now) {
        QLabel* com = panel.findChild<QLabel*>("LblCOM");
        if (!grabbed && now > clock.nowMs() - 1 && com->text() == "Sem comunicação" &&
            com->isVisible()) {
            grabbed = panel.grab().save(QDir(dir).filePath("panel_silent.png"));
            panel.close();
        }
    });
    panel.timer1Tick();
    EXPECT_TRUE(grabbed);
}

TEST(PanelScreenshot, portDialogIsGrabbedWhenAsked) {
    const QString dir = qEnvironmentVariable("MONTIRA_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "MONTIRA_SCREENSHOT_DIR not set";
    AppState state;
    PortSources sources;
    sources.systemPorts = [] {
        return QList<SystemPort>{{"/dev/ttyUSB0", "USB-Serial Controller", "Prolific"}};
    };
    Port port(state, sources);
    port.preselect("SIM");
    port.show();
    EXPECT_TRUE(port.grab().save(QDir(dir).filePath("port.png")));
}
