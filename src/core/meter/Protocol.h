#pragma once

// Every byte offset (0-based) and size of what the meter sends, in one place. Words are two
// bytes, high byte first.
namespace montira {

// The live frame that the meter transmits by itself.
namespace frame {
constexpr int kLength = 47;
constexpr int kStart1 = 0, kStart2 = 1, kEnd = 46;  // 0xFF 0xAA ... 0x03
constexpr unsigned char kStart1Byte = 0xFF, kStart2Byte = 0xAA, kEndByte = 0x03;
constexpr int kStatusA = 2, kStatusB = 3, kStatusC = 4;
constexpr int kGlobe = 5, kDry = 7, kWet = 9;          // raw temperatures, words
constexpr int kUpperDisplay = 11, kLowerDisplay = 13;  // words, × 100
constexpr int kDisplayNumber = 15;
constexpr int kDisplaySeconds = 16, kDisplayMinutes = 17, kDisplayHours = 18;
constexpr int kProbeZero = 19, kProbeGain = 21, kProbeCount = 23;  // R0, G × 100, R
constexpr int kMaxMinSelection = 25;                               // 0..5
constexpr int kOffsetA = 26, kOffsetB = 28;                        // offset = (A - B) / 100
constexpr int kSpeedZero = 30;                                     // × 100
// Calibration points; note that the 2 m/s point comes after the 15 m/s one.
constexpr int kP0 = 32, kP5 = 34, kP10 = 36, kP15 = 38, kP2 = 40, kP20 = 42, kP25 = 44;
}  // namespace frame

// The "c" reply: STX, bytes in use (3 bytes), number of sets (word), ETX.
namespace status {
constexpr int kLength = 7;
constexpr int kStx = 0, kUsed = 1, kSetCount = 4, kEtx = 6;
constexpr unsigned char kStxByte = 2, kEtxByte = 3;
}  // namespace status

// One logger set of the "C" dump: a header, then its records.
namespace logset {
constexpr int kHeaderBytes = 16;
constexpr int kStart = 0;  // YY MM DD hh mm ss, one byte each
constexpr int kIntervalMinutes = 6, kIntervalSeconds = 7;
constexpr int kRecords = 8;                  // word
constexpr int kOffsetA = 10, kOffsetB = 12;  // offset = (A - B) / 100 m/s
constexpr int kSpeedZero = 14;               // × 100
constexpr int kRecordBytes = 8;
constexpr int kRecordGlobe = 0, kRecordDry = 2, kRecordWet = 4, kRecordSpeedCount = 6;
}  // namespace logset

// The replies to the settings and manual-record commands.
namespace reply {

// "G": the meter's clock; the "F" parameter array has the same order.
constexpr int kClockBytes = 6;
constexpr int kClockYear = 0, kClockMonth = 1, kClockDay = 2;
constexpr int kClockHour = 3, kClockMinute = 4, kClockSecond = 5;

// "J": the logging interval; minutes is 0 when the meter samples by seconds.
constexpr int kSamplingMinutes = 0;
constexpr int kSamplingSeconds = 1;
constexpr int kSamplingBytes = 2;

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

}  // namespace reply

}  // namespace montira
