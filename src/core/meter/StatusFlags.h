#pragma once
#include <cstdint>

namespace montira {

// The meter's display indicators, from status bytes A, B, C (frame bytes 3, 4, 5) and the
// max/min selection (byte 26).
struct StatusFlags {
    // byte A, bit 0 upward
    bool FlagHold = false, FlagBattery = false, FlagAuto = false, FlagMemoryFull = false;
    bool FlagM = false, FlagR = false, FlagImperial = false, FlagFull = false;
    // byte B: FlagWind when bits 0-4 are all clear, then bit 0 upward
    bool FlagWind = false;
    bool FlagDry = false, FlagGlobe = false, FlagWbgt = false, FlagLower = false;
    bool FlagUpper = false, FlagRun = false, FlagUpperBlank = false, FlagLowerBlank = false;
    // byte C (bit 1 unused)
    bool FlagDate = false, FlagC2 = false, FlagPowerOff = false, FlagMax = false;
    bool FlagMin = false, FlagUpperNeg = false, FlagLowerNeg = false;
    // byte 26: exactly one of these, or none for a value outside 0..5
    int MaxMinSelection = 0;
    bool FlagGlobeMax = false, FlagGlobeMin = false, FlagDryMax = false, FlagDryMin = false;
    bool FlagWetMax = false, FlagWetMin = false;
};

void DecodeStatusA(StatusFlags& f, uint8_t b);
void DecodeStatusB(StatusFlags& f, uint8_t b);
void DecodeStatusC(StatusFlags& f, uint8_t b);
void DecodeMaxMinSelection(StatusFlags& f, uint8_t b);

}  // namespace montira
