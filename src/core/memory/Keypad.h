#pragma once
#include <QString>
#include <array>
#include <optional>

#include "core/AppState.h"
#include "core/link/Clock.h"
#include "core/link/SerialPort.h"
#include "core/memory/Exchange.h"

namespace montira {

// The meter's keys as the keypad window presses them.
enum class MeterKey { CF, Down, Escape, Hold, MaxMin, Mem, Mode, Read, RunStop, Time, Up };

struct KeyInfo {
    MeterKey key;
    const char* name;    // the command line's name of the key
    const char* button;  // the keypad button's objectName
    char letter;         // command letter
    bool duringRun;      // still sent while the meter logs
};

const std::array<KeyInfo, 11>& MeterKeys();
const KeyInfo& InfoOf(MeterKey k);
// The key of a command-line name ("RunStop", "CF", ...), case-insensitive.
std::optional<MeterKey> KeyByName(const QString& name);

enum class KeyOutcome { Sent, RefusedRun, RefusedBusy };

// A key press: refused (silently) while another exchange runs, or during a logging run for
// the keys that the meter ignores then. Otherwise KeypadBusy is set, the poll stops, the
// handshake runs, the letter goes out, Delay(0.05), and KeypadBusy clears and the poll starts
// again however the exchange ended.
KeyOutcome PressKey(SerialPort& port, Clock& clock, AppState& state, MeterKey key,
                    const PollPause& poll = {});

}  // namespace montira
