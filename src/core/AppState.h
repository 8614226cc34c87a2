#pragma once
#include <QString>

#include "core/link/LinkState.h"
#include "core/meter/LiveFrame.h"

namespace montira {

// The program-wide state that several windows share. The main window owns one and passes it
// to every window and routine that needs it (no globals). Each area keeps the state that only
// it uses in its own objects (the live list's rows and count, the work-load averages, the
// windows' own open state); what is here is read or written across areas.
struct AppState {
    LinkState link;  // the port, the meter's presence, the exchange in progress, the keypad
    LiveState live;  // Reading, status flags, calibration of the last live frame

    bool CelsiusMode = true;  // True: °C and m/s; False: °F and ft/m

    // Recorder and sample tick
    bool Recording = false;
    int SampleInterval = 2;  // Timer2 ticks between samples, 1..86400
    int SampleTick = 0;      // 0: the next tick samples
    bool HeaderOn = false;   // the name/sector/company window is open
};

}  // namespace montira
