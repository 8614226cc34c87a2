#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

#include "core/link/Clock.h"
#include "core/link/LinkState.h"
#include "core/link/SerialPort.h"

namespace montira {

// How "Sample" sets an interval: the computer's (SamplingByPC) or the meter's, and the meter's
// by minutes or by seconds. Kept by the settings windows between their openings.
struct SamplingState {
    bool SamplingByPC = false;
    bool SamplingByMinutes = false;
};

// ---- Clock ("G" read, "F" set) ----

// "YY/MM/DD hh:nn:ss" of the first six bytes of a "G" reply: each byte in decimal with "0"
// in front, cut to its last two characters (5 gives "05", 123 gives "23"). Empty when the
// reply is shorter than six bytes.
QString MeterClockText(const QByteArray& reply);
// The computer's clock as "yy/mm/dd hh:mm:ss" (24-hour).
QString ComputerClockText(const QDateTime& t);
// The six bytes of the "F" parameter array for a computer time: YY MM DD hh mm ss, each the
// number itself (year 26 is the byte 0x1A).
QByteArray ClockBytes(const QDateTime& t);

// Handshake, "G", then the reply. Empty when the meter is offline or did not answer with six
// bytes within the silence limit.
QByteArray ReadMeterClock(SerialPort& port, Clock& clock, LinkState& link);

// Sets the meter's clock from `now`: drop what came in, handshake, wait, drop, "F", wait, the
// six bytes. Sends nothing when the meter is offline or the handshake went unanswered.
// Returns whether the bytes were sent: false too when the port failed or closed on the way.
bool SetMeterClock(SerialPort& port, Clock& clock, LinkState& link, const QDateTime& now);

// ---- Answers typed in the settings' input boxes ----

struct RangedAnswer {
    enum Kind { Abandon, AskAgain, Value } kind = Abandon;
    int value = 0;
};
// Empty text abandons; a non-number asks again; a number (the user's locale, or with a
// point) is rounded half to even and clamped to 1..max.
RangedAnswer ParseRangedAnswer(const QString& text, int max);

// ---- Logging interval ("J" read, "H"/"I" set) ----

constexpr int kMaxSamplingMinutes = 60;
constexpr int kMaxSamplingSeconds = 59;

struct SamplingSetting {
    int minutes = 0;                // 0 when the meter samples by seconds
    std::optional<int> seconds{0};  // unknown when the reply held only the minutes byte
    bool byMinutes() const { return minutes > 0; }
};

// "J" repeated until the reply holds at least one byte; nothing when the meter stays silent
// for the silence limit (or is offline). A one-byte reply gives the minutes only.
std::optional<SamplingSetting> ReadSampling(SerialPort& port, Clock& clock, LinkState& link);

// Sets the interval: handshake, "H", wait, the minutes byte; or handshake, wait, "I", wait,
// the seconds byte. The value is clamped to 1..60 or 1..59 first. Returns the byte sent;
// nothing when the handshake went unanswered or the port failed or closed on the way (the
// letter and the byte are written all the same, as the meter program always did).
std::optional<int> SetSampling(SerialPort& port, Clock& clock, LinkState& link, bool byMinutes,
                               int value);

// Prompts of the sampling input box (the title is the same for both).
QString SamplingPrompt(bool byMinutes);
QString SamplingTitle();

// ---- Auto power-off ("B" read, "A" set, "E" keep) ----

constexpr int kMaxPowerOffSeconds = 65535;

// Handshake, "B", and one read of the two-byte reply (never asked again, so the closing "E"
// or "A" always follows). Nothing when the handshake went unanswered; kPowerOffUnknown when
// the reply held fewer than two bytes.
constexpr int kPowerOffUnknown = -1;
std::optional<int> ReadPowerOff(SerialPort& port, Clock& clock, LinkState& link);
// Handshake, "A", wait, high byte, wait, low byte (no wait after it). Clamped to 1..65535.
// False when the handshake went unanswered or the port failed or closed on the way.
bool SetPowerOff(SerialPort& port, Clock& clock, LinkState& link, int seconds);
// The user left the setting alone: handshake, "E", wait.
void KeepPowerOff(SerialPort& port, Clock& clock, LinkState& link);

QString PowerOffPrompt();
QString PowerOffTitle();

}  // namespace montira
