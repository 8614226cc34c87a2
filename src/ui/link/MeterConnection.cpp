#include "ui/link/MeterConnection.h"

#include "core/link/PortName.h"
#include "core/link/QtSerialPort.h"
#include "core/link/RelocatingPort.h"
#include "sim/SimSerialPort.h"

namespace montira {

MeterConnection MakeMeterConnection(const QString& identifier, Clock& clock) {
    MeterConnection c;
    if (IsSimulatedPort(identifier)) {
        c.simMeter = std::make_unique<sim::SimMeter>();
        c.port = std::make_unique<sim::SimSerialPort>(*c.simMeter, clock);
    } else {
        c.directory = std::make_unique<SystemPortDirectory>();
        c.port = std::make_unique<RelocatingPort>(
            DeviceNameForPort(identifier),
            [](const QString& device) { return std::make_unique<QtSerialPort>(device, 19200); },
            *c.directory);
    }
    return c;
}

}  // namespace montira
