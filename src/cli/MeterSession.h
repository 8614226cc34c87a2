#pragma once
#include <QString>

#include "core/AppState.h"
#include "core/link/EventLoopClock.h"
#include "core/link/QtSerialPort.h"

namespace montira::cli {

// The meter as the settings commands reach it: the port opened at 19200,n,8,1 and the main
// window's start (wait for a valid live frame, which also gives the status flags and the
// probe calibration).
struct MeterSession {
    explicit MeterSession(const QString& device) : port(device) { state.link.PortId = device; }

    // Opens and waits up to `timeoutSeconds` for the meter. Returns kDone, or the exit code
    // (kFailure: the port did not open; kNoMeter: no frame came) after printing why.
    int start(const char* command, double timeoutSeconds);
    // The settings are refused while the meter logs, as the toolbar refuses them: prints why
    // and gives kFailure; kDone otherwise.
    int refuseDuringRun(const char* command) const;
    // Waits for the next valid frame, so that the status flags are those after a command.
    bool refresh(double timeoutSeconds);

    AppState state;
    EventLoopClock clock;
    QtSerialPort port;
};

// "Sem comunicação" on stderr, and kNoMeter.
int NoMeter();

}  // namespace montira::cli
