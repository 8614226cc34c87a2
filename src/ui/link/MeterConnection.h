#pragma once
#include <memory>

#include "core/link/Clock.h"
#include "core/link/SerialPort.h"
#include "sim/SimMeter.h"

namespace montira {

// The serial port for a chosen identifier: a real port at 19200,n,8,1, or for "SIM" the
// simulated meter in this process behind its serial seam. Not opened yet.
struct MeterConnection {
    std::unique_ptr<sim::SimMeter> simMeter;  // only for SIM
    std::unique_ptr<SerialPort> port;
};

MeterConnection MakeMeterConnection(const QString& identifier, Clock& clock);

}  // namespace montira
