#pragma once
#include <QString>

namespace montira {

// State of the meter link shared by every window that talks to the meter.
struct LinkState {
    QString PortId;  // identifier after "COM  " in the port list ("3", "/dev/ttyUSB0", "SIM")
    int CommPortNumber = 0;    // numbered port chosen in the port dialog (0: a named device)
    bool MeterOnline = false;  // the meter answers
    bool LinkLost = true;      // the next poll must first wait for the meter (NoDataRoutine)
    bool KeypadBusy = false;   // an exchange is in progress; further commands are refused
    bool KeypadOpen = false;   // the keypad window is shown: the poll mirrors the display
};

}  // namespace montira
