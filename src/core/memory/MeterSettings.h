#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

#include "core/link/Handshake.h"
#include "core/link/LinkState.h"

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

// Handshake, "G", then the reply; asked again until six bytes came. clock() is empty when
// the meter is offline or did not answer with six bytes within the silence limit.
class ReadMeterClock : public QueryCommand {
public:
    explicit ReadMeterClock(LinkState& link);
    QByteArray clock() const { return reply().left(6); }
};

// Sets the meter's clock from `now`: drop what came in, handshake, wait, drop, "F", wait, the
// six bytes. Sends nothing when the meter is offline or the handshake went unanswered.
// sent() says whether the bytes went out: false too when the port failed or closed on the way.
class SetMeterClock : public Exchange {
public:
    SetMeterClock(LinkState& link, const QDateTime& now);
    bool sent() const { return sent_; }

protected:
    void step(qint64 now) override;

private:
    enum { Begin, Answered, Letter, Bytes };
    QByteArray bytes_;
    bool sent_ = false;
};

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
class ReadSampling : public QueryCommand {
public:
    explicit ReadSampling(LinkState& link);
    std::optional<SamplingSetting> setting() const;
};

// Sets the interval: handshake, "H", wait, the minutes byte; or handshake, wait, "I", wait,
// the seconds byte. The value is clamped to 1..60 or 1..59 first. sent() is the byte sent;
// nothing when the handshake went unanswered or the port failed or closed on the way (the
// letter and the byte are written all the same, as the meter program always did).
class SetSampling : public Exchange {
public:
    SetSampling(LinkState& link, bool byMinutes, int value);
    std::optional<int> sent() const { return sent_; }

protected:
    void step(qint64 now) override;

private:
    enum { Begin, Answered, Letter, Value };
    bool byMinutes_;
    int value_;
    std::optional<int> sent_;
};

// Prompts of the sampling input box (the title is the same for both).
QString SamplingPrompt(bool byMinutes);
QString SamplingTitle();

// ---- Auto power-off ("B" read, "A" set, "E" keep) ----

constexpr int kMaxPowerOffSeconds = 65535;

// Handshake, "B", and one read of the two-byte reply (never asked again, so the closing "E"
// or "A" always follows). Nothing when the handshake went unanswered; kPowerOffUnknown when
// the reply held fewer than two bytes.
constexpr int kPowerOffUnknown = -1;
class ReadPowerOff : public QueryCommand {
public:
    explicit ReadPowerOff(LinkState& link);
    std::optional<int> seconds() const;
};
// Handshake, "A", wait, high byte, wait, low byte (no wait after it). Clamped to 1..65535.
// sent() is false when the handshake went unanswered or the port failed or closed on the way.
class SetPowerOff : public Exchange {
public:
    SetPowerOff(LinkState& link, int seconds);
    bool sent() const { return sent_; }

protected:
    void step(qint64 now) override;

private:
    enum { Begin, Letter, High, Low };
    int value_;
    bool sent_ = false;
};
// The user left the setting alone: handshake, "E", wait.
class KeepPowerOff : public SendCommand {
public:
    explicit KeepPowerOff(LinkState& link);
};

QString PowerOffPrompt();
QString PowerOffTitle();

}  // namespace montira
