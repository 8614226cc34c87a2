#pragma once
#include <QByteArray>
#include <QtGlobal>
#include <limits>

#include "core/link/LinkState.h"
#include "core/link/SerialPort.h"

namespace montira {

// Number of Q attempts before the handshake gives up (about 500 s of 50 ms waits).
constexpr int kHandshakeAttempts = 10000;
// The settings, keypad and manual-record exchanges give up after this long without progress.
constexpr qint64 kExchangeSilenceMs = 10000;
// The pause after every command letter and parameter byte.
constexpr qint64 kByteGapMs = 50;

// One exchange with the meter as a state machine. It never waits: it writes, says when it
// wants to run again (deadline()), and is fed what arrives in between. The meter link (or a
// test, on the virtual clock) calls start() once, received() with the bytes that arrive and
// due() when the deadline has come, and looks at finished() after every call: an exchange
// ends once, and the caller then reads its outcome.
//
// Every exchange begins with the attention handshake: "Q" every 50 ms until a reply whose
// last byte is 'J', then 50 ms more. Subclasses ask for it with handshake() and find out how
// it went in the state they named.
class Exchange {
public:
    static constexpr qint64 kNever = std::numeric_limits<qint64>::max();

    explicit Exchange(LinkState& link) : link_(link) {}
    virtual ~Exchange() = default;
    Exchange(const Exchange&) = delete;
    Exchange& operator=(const Exchange&) = delete;

    // Starts (or starts again from its first state, with nothing buffered).
    void start(SerialPort& port, qint64 now);
    void received(const QByteArray& bytes, qint64 now);
    void due(qint64 now);
    // The program is closing or the caller gave up: the exchange ends now, as if the meter
    // had stopped answering.
    void abandon();
    // The link is taken away for a while (the live reader, when a command comes): nothing
    // more happens until start() is called again.
    void suspend();

    qint64 deadline() const { return deadline_; }
    bool finished() const { return finished_; }

protected:
    // The state machine. `state()` is where it stands; it runs at start (state 0) and each time
    // its deadline comes.
    virtual void step(qint64 now) = 0;
    // Bytes arrived (already in the receive buffer), or the port failed (nothing new then);
    // most exchanges only look at what came at their next step.
    virtual void arrived(qint64 /*now*/) {}
    // suspend() was called.
    virtual void suspended() {}
    // abandon() was called: the exchange is about to end (finish() follows by itself).
    virtual void abandoning() {}

    int state() const { return state_; }
    // Runs step() again `ms` from now in state `next`. While the exchange is quiet (its
    // silence bound passed) every wait is over at once, as before.
    void wait(qint64 now, qint64 ms, int next);
    // Runs step() again `ms` from now in state `next`, quiet or not: a wait for a meter or a
    // port to come back, which a gone port must not turn into a loop that never lets time pass.
    void pause(qint64 now, qint64 ms, int next) {
        state_ = next;
        deadline_ = now + ms;
    }
    // Runs step() in state `next` once the silence bound passes (bytes may come first).
    void untilQuiet(int next) {
        state_ = next;
        deadline_ = quietAt_;
    }
    // Runs step() in state `next` right now.
    void go(int next, qint64 now);
    // The attention handshake, then step() in state `next`; answered() says how it went.
    // Gives up after kHandshakeAttempts, when the exchange is quiet, or when the port is
    // closed or failed (then without the final wait).
    void handshake(qint64 now, int next);
    bool answered() const { return link_.MeterOnline; }
    void finish();

    // The silence bound: quiet() once `ms` passed since the bound was set or progress() last
    // said something arrived.
    void boundSilence(qint64 now, qint64 ms) { quietAt_ = ms == kNever ? kNever : now + ms; }
    void progress(qint64 now, qint64 ms) { boundSilence(now, ms); }
    bool quiet(qint64 now) const { return now >= quietAt_ || portGone(); }

    // What arrived since the last take() / drop().
    QByteArray take();
    void drop() { rx_.clear(); }
    void write(const QByteArray& bytes);
    void write(char letter) { write(QByteArray(1, letter)); }
    // What came so far is dropped, the letter goes out, and step() runs in state `next` after
    // the letter's pause, when the reply is there to take().
    void ask(qint64 now, char letter, int next) {
        drop();
        write(letter);
        wait(now, kByteGapMs, next);
    }
    bool portGone() const { return !port_ || !port_->isOpen() || port_->failed(); }
    // The meter answered and every byte left through a port that is still there.
    bool delivered() const { return answered() && !portGone(); }
    LinkState& link() { return link_; }
    SerialPort& port() { return *port_; }

private:
    void handshakeStep(qint64 now);

    LinkState& link_;
    SerialPort* port_ = nullptr;
    QByteArray rx_;
    int state_ = 0;
    qint64 deadline_ = kNever;
    qint64 quietAt_ = kNever;
    bool finished_ = false;
    // The handshake in progress: attempts made (0 when none runs), then the final wait.
    int attempts_ = 0;
    bool finalWait_ = false;
    int afterHandshake_ = 0;
};

}  // namespace montira
