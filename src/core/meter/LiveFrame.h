#pragma once
#include <QByteArray>
#include <array>
#include <cstdint>

#include "core/meter/AirSpeed.h"
#include "core/meter/Reading.h"
#include "core/meter/StatusFlags.h"

namespace montira {

// The frame the meter transmits by itself, 47 bytes; its layout is in Protocol.h.
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
