#pragma once

// Byte offsets (0-based) and sizes of the meter's replies to the settings and manual-record
// commands.
namespace montira::reply {

// "G": the meter's clock; the "F" parameter array has the same order.
constexpr int kClockBytes = 6;
constexpr int kClockYear = 0, kClockMonth = 1, kClockDay = 2;
constexpr int kClockHour = 3, kClockMinute = 4, kClockSecond = 5;

// "J": the logging interval; minutes is 0 when the meter samples by seconds.
constexpr int kSamplingMinutes = 0;
constexpr int kSamplingSeconds = 1;

// "B": the auto power-off time in seconds, high byte first.
constexpr int kPowerOffBytes = 2;
constexpr int kPowerOffHigh = 0, kPowerOffLow = 1;

// "S": 'Y' (records stored) or 'Z' (none), then the number of records.
constexpr int kManualFlag = 0;
constexpr int kManualCount = 1;
constexpr char kManualStored = 'Y';
constexpr char kManualNone = 'Z';

// "T": the manual records back to back, each of this layout (words are high byte first).
constexpr int kManualRecordBytes = 20;
constexpr int kManualGlobe = 0, kManualDry = 2, kManualWet = 4, kManualSpeedCount = 6;
constexpr int kManualDate = 8;                           // three bytes, shown joined by "/"
constexpr int kManualTime = 11;                          // three bytes, shown joined by ":"
constexpr int kManualOffsetA = 14, kManualOffsetB = 16;  // offset = (A - B) / 100 m/s
constexpr int kManualZero = 18;                          // zero × 100

}  // namespace montira::reply
