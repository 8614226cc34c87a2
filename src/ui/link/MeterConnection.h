#pragma once
#include <memory>

#include "core/link/Clock.h"
#include "core/link/PortIdentity.h"
#include "core/link/SerialPort.h"
#include "sim/SimMeter.h"

namespace montira {

// The serial port for a chosen identifier: a real port at 19200,n,8,1, or for "SIM" the
// simulated meter in this process behind its serial seam. Not opened yet. A real port is
// found again by its adapter's identity when it comes back under another name.
struct MeterConnection {
    std::unique_ptr<sim::SimMeter> simMeter;   // only for SIM
    std::unique_ptr<PortDirectory> directory;  // only for a real port
    std::unique_ptr<SerialPort> port;
};

MeterConnection MakeMeterConnection(const QString& identifier, Clock& clock);

}  // namespace montira
