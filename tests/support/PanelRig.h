#pragma once
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>

#include "core/AppState.h"
#include "core/link/VirtualClock.h"
#include "sim/SimMeter.h"
#include "sim/SimSerialPort.h"
#include "ui/panel/Panel.h"
#include "ui/panel/ToolbarWiring.h"
#include "ui/panel/WindowPlugs.h"

namespace montira::test {

// The main window on the virtual clock with the simulated meter in the same process, loaded
// with Timer2 stopped: the tests move the clock (the poll runs as it does) and tick Timer2 by
// hand. Bare is the panel alone; Toolbar wires the toolbar's commands; Windows also plugs the
// windows in, as the program does.
struct PanelRig {
    enum Parts { Bare, Toolbar, Windows };

    VirtualClock clock;
    sim::SimMeter meter;
    sim::SimSerialPort port{meter, clock};
    AppState state;
    Panel panel{state, port, clock};
    ToolbarWiring* wiring = nullptr;  // owned by the panel
    QTemporaryDir dir;

    explicit PanelRig(Parts parts = Bare) {
        state.link.PortId = "SIM";
        panel.setQuitOnClose(false);
        if (parts != Bare) wiring = new ToolbarWiring(panel);
        if (parts == Windows) PlugWindows(panel, *wiring);
        loaded = panel.load();
        panel.timer2()->stop();
    }

    // The poll waits for the meter, checks its clock and shows a frame.
    bool connect() {
        return clock.advanceUntil([this] { return panel.poll().framesShown() > 0; }, 20000);
    }
    // Moves the clock until `done` holds (false after `limitMs`).
    bool until(const std::function<bool()>& done, qint64 limitMs = 20000) {
        return clock.advanceUntil(done, limitMs);
    }
    bool click(ToolbarCommand c) { return wiring->dispatch().dispatch(c); }
    QLabel* label(const char* name) { return panel.findChild<QLabel*>(name); }
    QString text(const char* name) { return label(name)->text(); }
    bool shows(const QWidget* w) const { return w->isVisibleTo(&panel); }

    bool loaded = false;
};

}  // namespace montira::test
