#pragma once
#include <QString>

#include "core/link/SerialPort.h"

namespace montira {

// Tries to open a port and closes it again, sending nothing. The port dialog's scan lists a
// port that opened or that another program holds (Busy); Missing, Denied and Failed are left
// out. An interface, so the dialog can be given a fake probe.
class PortProbe {
public:
    virtual ~PortProbe() = default;
    // `identifier` as the port list shows it after "COM  ": "3", "/dev/ttyUSB0" or "SIM".
    virtual OpenOutcome probe(const QString& identifier) = 0;
};

// The probe over QSerialPort, at 9600,n,8,1. The built-in simulated meter ("SIM") is always
// there.
class QtPortProbe : public PortProbe {
public:
    OpenOutcome probe(const QString& identifier) override;
};

// True when the scan lists a port with this outcome (it opened, or another program has it).
bool ProbeListsPort(OpenOutcome outcome);

}  // namespace montira
