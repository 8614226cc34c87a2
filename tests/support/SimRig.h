#pragma once
#include "core/link/LinkState.h"
#include "core/link/VirtualClock.h"
#include "sim/SimMeter.h"
#include "sim/SimSerialPort.h"

namespace montira::test {

// The simulated meter behind an open in-process port on the virtual clock, with steady values.
struct SimRig {
    sim::SimMeter meter;
    VirtualClock clock;
    sim::SimSerialPort port{meter, clock};
    LinkState link;

    SimRig() {
        meter.setDrift(false);
        port.open();
    }
    // Everything the meter sends during the next `ms` milliseconds, read every millisecond.
    QByteArray collect(qint64 ms) {
        QByteArray b;
        for (qint64 t = 0; t < ms; ++t) {
            clock.advance(1);
            b += port.readAll();
        }
        return b;
    }
};

}  // namespace montira::test
