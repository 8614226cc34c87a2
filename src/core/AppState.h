#pragma once
#include <QString>

#include "core/link/LinkState.h"
#include "core/meter/LiveFrame.h"

namespace montira {

// The program-wide state that several windows share. The main window owns one and passes it
// to every window and routine that needs it (no globals). Each area keeps the state that only
// it uses in its own objects; what is here is read or written across areas.
struct AppState {
    LinkState link;
    LiveState live;  // Reading, status flags, calibration of the last live frame

    // Panel
    QString PortId;  // identifier after "COM  " in the port list ("3", "/dev/ttyUSB0", "SIM")
    bool CelsiusMode = true;  // True: °C and m/s; False: °F and ft/m
    bool KeypadOpen = false;
    QString StartDate;  // "yyyy/mm/dd" at start

    // Recorder and sample tick
    bool Recording = false;
    int SampleInterval = 2;  // Timer2 ticks between samples, 1..86400
    int SampleTick = 0;      // 0: the next tick samples
    bool HeaderOn = false;   // the name/sector/company window is open
    bool ListOpen = false;
    long long ListCount = 0;
    bool ListCelsius = true;
    QString LastDialogFolder;  // folder of the last file dialog the user used (auto-saves go there)

    // Work load averages, fed by the sample tick while the work-load window is open
    bool WorkLoadOpen = false;
    double AvgWbgtIndoor = 0, AvgWbgtOutdoor = 0;
    double AvgSampleCount = 0, AvgSumIndoor = 0, AvgSumOutdoor = 0;
    // Samples whose indoor / outdoor text was a number (the sums' divisors). Cleared by the
    // first sample after AvgSampleCount was set to 0.
    double AvgValidIndoor = 0, AvgValidOutdoor = 0;

    // Other windows' open flags
    bool ChartOpen = false;
    bool MemoryWindowOpen = false;

    // Meter sampling dialogs
    bool SamplingByPC = false;
    bool SamplingByMinutes = false;
};

}  // namespace montira
