#include "core/memory/Keypad.h"

#include "core/link/Handshake.h"
#include "core/meter/Commands.h"

namespace montira {

const std::array<KeyInfo, 11>& MeterKeys() {
    static const std::array<KeyInfo, 11> keys{{
        {MeterKey::CF, "CF", "CmdCF", cmd::KeyCF, false},
        {MeterKey::Down, "Down", "CmdDown", cmd::KeyDown, true},
        {MeterKey::Escape, "Escape", "CmdEscape", cmd::KeyEscape, false},
        {MeterKey::Hold, "Hold", "CmdHold", cmd::KeyHold, false},
        {MeterKey::MaxMin, "MaxMin", "CmdMaxMin", cmd::KeyMaxMin, false},
        {MeterKey::Mem, "Mem", "CmdMem", cmd::KeyMem, false},
        {MeterKey::Mode, "Mode", "CmdMode", cmd::KeyMode, false},
        {MeterKey::Read, "Read", "CmdRead", cmd::KeyRead, true},
        {MeterKey::RunStop, "RunStop", "CmdRunStop", cmd::KeyRunStop, true},
        {MeterKey::Time, "Time", "CmdTime", cmd::KeyTime, false},
        {MeterKey::Up, "Up", "CmdUp", cmd::KeyUp, true},
    }};
    return keys;
}

const KeyInfo& InfoOf(MeterKey k) {
    return MeterKeys()[size_t(k)];
}

std::optional<MeterKey> KeyByName(const QString& name) {
    for (const KeyInfo& k : MeterKeys())
        if (name.compare(QLatin1String(k.name), Qt::CaseInsensitive) == 0) return k.key;
    return std::nullopt;
}

KeyOutcome KeyAllowed(const AppState& state, MeterKey key) {
    if (state.link.KeypadBusy) return KeyOutcome::RefusedBusy;
    if (state.live.flags.FlagRun && !InfoOf(key).duringRun) return KeyOutcome::RefusedRun;
    return KeyOutcome::Sent;
}

PressKey::PressKey(LinkState& link, MeterKey key)
    : SendCommand(link, InfoOf(key).letter, kExchangeSilenceMs) {}

}  // namespace montira
