#pragma once
#include <functional>

#include "core/link/Clock.h"
#include "core/link/DeadlineClock.h"
#include "core/link/Handshake.h"
#include "core/link/MeterLink.h"

namespace montira {

// The settings, keypad and manual-record exchanges give up after this long without progress.
constexpr qint64 kExchangeSilenceMs = 10000;

// How an exchange stops and restarts the main window's poll. Either may be empty.
struct PollPause {
    std::function<void()> stop;
    std::function<void()> start;
};

// The pause of the one owner of the meter link: the poll stops with the first exchange that
// holds the link and runs again when the last one ends.
inline PollPause PauseOf(MeterLink& link) {
    return {[&link] { link.pause(); }, [&link] { link.resume(); }};
}

// Stops the poll for the life of the guard and starts it again however the exchange ends
// (an exception included), so the poll never stays stopped.
class PausedPoll {
public:
    explicit PausedPoll(const PollPause& p) : p_(p) {
        if (p_.stop) p_.stop();
    }
    ~PausedPoll() {
        if (p_.start) p_.start();
    }
    PausedPoll(const PausedPoll&) = delete;
    PausedPoll& operator=(const PausedPoll&) = delete;

private:
    const PollPause& p_;
};

// Sets a flag for the life of the guard and clears it at the end.
class FlagGuard {
public:
    explicit FlagGuard(bool& f) : f_(f) { f_ = true; }
    ~FlagGuard() { f_ = false; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

private:
    bool& f_;
};

// Handshake, drop what came, the letter, Delay(0.05), and what the meter sent back. Unlike
// QueryCommand nothing is written when the handshake went unanswered (MeterOnline False).
inline QByteArray AskMeter(SerialPort& port, Clock& clock, LinkState& link, char letter) {
    if (!AttentionHandshake(port, clock, link)) return {};
    port.readAll();
    port.write(QByteArray(1, letter));
    clock.delay(0.05);
    return port.readAll();
}

}  // namespace montira
