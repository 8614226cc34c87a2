#include "ui/link/MeterConnection.h"

#include "core/link/PortName.h"
#include "core/link/QtSerialPort.h"
#include "sim/SimSerialPort.h"

namespace montira {

MeterConnection MakeMeterConnection(const QString& identifier, Clock& clock) {
    MeterConnection c;
    if (IsSimulatedPort(identifier)) {
        c.simMeter = std::make_unique<sim::SimMeter>();
        c.port = std::make_unique<sim::SimSerialPort>(*c.simMeter, clock);
    } else {
        c.port = std::make_unique<QtSerialPort>(DeviceNameForPort(identifier), 19200);
    }
    return c;
}

}  // namespace montira
