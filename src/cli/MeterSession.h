#pragma once
#include <QString>

#include "core/AppState.h"
#include "core/link/MeterLink.h"
#include "core/link/Poll.h"
#include "core/link/QtSerialPort.h"
#include "core/link/SteadyClock.h"

namespace montira::cli {

// The meter as the settings commands reach it: the port opened at 19200,n,8,1 and the main
// window's start (wait for a valid live frame, which also gives the status flags and the
// probe calibration). The poll reads only while a command waits for a frame; the exchanges
// run on the link with nothing reading in between.
struct MeterSession {
    explicit MeterSession(const QString& device)
        : port(device), link(port, clock, state.link), poll(link, state.link, state.live) {
        state.link.PortId = device;
    }

    // Opens and waits up to `timeoutSeconds` for the meter. Returns kDone, or the exit code
    // (kFailure: the port did not open; kNoMeter: no frame came) after printing why.
    int start(const char* command, double timeoutSeconds);
    // The settings are refused while the meter logs, as the toolbar refuses them: prints why
    // and gives kFailure; kDone otherwise.
    int refuseDuringRun(const char* command) const;
    // Waits for the next valid frame, so that the status flags are those after a command.
    bool refresh(double timeoutSeconds);
    // Runs `ex` to its end.
    void run(Exchange& ex);

    AppState state;
    SteadyClock clock;
    QtSerialPort port;
    MeterLink link;
    Poll poll;
};

// "Sem comunicação" on stderr, and kNoMeter.
int NoMeter();

}  // namespace montira::cli
