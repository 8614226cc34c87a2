#pragma once
#include <QByteArray>
#include <array>
#include <cstdint>

#include "core/meter/AirSpeed.h"
#include "core/meter/Reading.h"
#include "core/meter/StatusFlags.h"

namespace montira {

// The frame the meter transmits by itself, 47 bytes:
//   0,1    0xFF 0xAA start            2,3,4  status bytes A, B, C
//   5-6    globe raw (hi, lo)         7-8    dry bulb raw       9-10  wet bulb raw
//   11-12  upper display ×100         13-14  lower display ×100
//   15     display number field       16-18  display clock: seconds, minutes, hours
//   19-20  probe zero R0              21-22  probe gain G ×100   23-24 probe count R
//   25     max/min selection 0..5     26-27  offset term A       28-29 offset term B
//   30-31  speed zero ×100            32-45  calibration points P0, P5, P10, P15, P2, P20, P25
//   46     0x03 end
// (0-based offsets here; note that the 2 m/s point comes after the 15 m/s one.)
constexpr int kLiveFrameLength = 47;
using LiveFrame = std::array<uint8_t, kLiveFrameLength>;

// The validity check, apart from the parsing: at least 47 bytes, 255 170 first, 3 at byte 47.
bool IsLiveFrameValid(const QByteArray& bytes);
LiveFrame ToLiveFrame(const QByteArray& bytes);  // the first 47 bytes (zero-padded)

// The meter's own display fields, decoded only for the keypad window's replica.
struct DisplayFields {
    double Upper = 0;                         // bytes 12-13 / 100
    double Lower = 0;                         // bytes 14-15 / 100
    int Number = 0;                           // byte 16
    int Seconds = 0, Minutes = 0, Hours = 0;  // bytes 17, 18, 19
};

// Everything one decoded frame leaves behind: the reading, the flags, the probe calibration
// kept for stored records, the diagnostic texts and the display fields.
struct LiveState {
    Reading reading;
    StatusFlags flags;
    ProbeCalibration calibration;
    ProbeDiagnostics diagnostics;
    DisplayFields display;
};

// Decodes a frame that passed IsLiveFrameValid into the state. Fields whose rule says
// "leave unchanged" keep the values of earlier frames.
void DecodeLiveFrame(const LiveFrame& f, LiveState& state);

// The stored-record path (logger and manual records): temperatures, air speed with the kept
// calibration and the record's zero/offset, then the derived values. Unlike the live path the
// dew point becomes "- - -" when the dry bulb or the humidity is not valid.
void DecodeStoredRecord(Reading& r, const ProbeCalibration& cal, int globeRaw, int dryRaw,
                        int wetRaw, int speedCount, double speedZero, double speedOffset);

}  // namespace montira
