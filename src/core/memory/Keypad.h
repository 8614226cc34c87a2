#pragma once
#include <QString>
#include <array>
#include <optional>

#include "core/AppState.h"
#include "core/link/Handshake.h"

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

// Whether a key may be pressed now: refused (silently) while another exchange runs, or during
// a logging run for the keys that the meter ignores then.
KeyOutcome KeyAllowed(const AppState& state, MeterKey key);

// A key press: the handshake (given up after 10 s of silence), the letter, then 50 ms.
class PressKey : public SendCommand {
public:
    PressKey(LinkState& link, MeterKey key);
};

}  // namespace montira
