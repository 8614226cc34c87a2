#include "core/meter/StatusFlags.h"

namespace montira {

namespace {
bool bit(uint8_t b, int n) {
    return (b >> n) & 1;
}
}  // namespace

void DecodeStatusA(StatusFlags& f, uint8_t b) {
    f.FlagHold = bit(b, 0);
    f.FlagBattery = bit(b, 1);
    f.FlagAuto = bit(b, 2);
    f.FlagMemoryFull = bit(b, 3);
    f.FlagM = bit(b, 4);
    f.FlagR = bit(b, 5);
    f.FlagImperial = bit(b, 6);
    f.FlagFull = bit(b, 7);
}

void DecodeStatusB(StatusFlags& f, uint8_t b) {
    f.FlagWind = (b % 32) == 0;  // no channel bit set: the meter shows air speed
    f.FlagDry = bit(b, 0);
    f.FlagGlobe = bit(b, 1);
    f.FlagWbgt = bit(b, 2);
    f.FlagLower = bit(b, 3);
    f.FlagUpper = bit(b, 4);
    f.FlagRun = bit(b, 5);
    f.FlagUpperBlank = bit(b, 6);
    f.FlagLowerBlank = bit(b, 7);
}

void DecodeStatusC(StatusFlags& f, uint8_t b) {
    f.FlagDate = bit(b, 0);
    f.FlagC2 = bit(b, 2);
    f.FlagPowerOff = bit(b, 3);
    f.FlagMax = bit(b, 4);
    f.FlagMin = bit(b, 5);
    f.FlagUpperNeg = bit(b, 6);
    f.FlagLowerNeg = bit(b, 7);
}

void DecodeMaxMinSelection(StatusFlags& f, uint8_t b) {
    f.MaxMinSelection = b;
    f.FlagGlobeMax = b == 0;
    f.FlagGlobeMin = b == 1;
    f.FlagDryMax = b == 2;
    f.FlagDryMin = b == 3;
    f.FlagWetMax = b == 4;
    f.FlagWetMin = b == 5;
}

}  // namespace montira
