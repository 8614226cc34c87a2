#include "core/link/PortProbe.h"

#include "core/link/PortName.h"
#include "core/link/QtSerialPort.h"

namespace montira {

OpenOutcome QtPortProbe::probe(const QString& identifier) {
    if (IsSimulatedPort(identifier)) return OpenOutcome::Opened;
    if (identifier.trimmed().isEmpty()) return OpenOutcome::Missing;
    QtSerialPort port(DeviceNameForPort(identifier), 9600);
    const OpenOutcome out = port.open();
    port.close();  // the probe never leaves a port open
    return out;
}

bool ProbeListsPort(OpenOutcome outcome) {
    return outcome == OpenOutcome::Opened || outcome == OpenOutcome::Busy;
}

}  // namespace montira
