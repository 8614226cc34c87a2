#pragma once
#include "core/AppState.h"
#include "core/link/MeterLink.h"
#include "core/link/VirtualClock.h"
#include "sim/SimMeter.h"
#include "sim/SimSerialPort.h"

namespace montira::test {

// The simulated meter behind an open in-process port on the virtual clock, with steady values,
// and the program's side: its state and the meter link, whose exchanges run as the clock is
// advanced.
struct SimRig {
    sim::SimMeter meter;
    VirtualClock clock;
    sim::SimSerialPort port{meter, clock};
    AppState state;
    LinkState& link = state.link;
    MeterLink meterLink{port, clock, state.link};

    SimRig() {
        meter.setDrift(false);
        port.open();
    }
    // A meter that has sent frames for a second and answered.
    void online() {
        clock.advance(1000);
        link.MeterOnline = true;
    }
    // Runs `ex` on the link until it ends (false: refused, or still running after `limitMs`).
    bool run(Exchange& ex, qint64 limitMs = 600000) {
        if (!meterLink.run(ex)) return false;
        return clock.advanceUntil([&ex] { return ex.finished(); }, limitMs);
    }
    // Everything the meter sends during the next `ms` milliseconds.
    QByteArray collect(qint64 ms) {
        QByteArray b;
        for (qint64 t = 0; t < ms; ++t) {
            clock.advance(1);
            b += port.readAll();
        }
        return b;
    }
    // What the computer wrote after markNow().
    void markNow() { mark_ = port.written().size(); }
    QByteArray sent() const { return port.written().mid(mark_); }

private:
    qsizetype mark_ = 0;
};

}  // namespace montira::test
