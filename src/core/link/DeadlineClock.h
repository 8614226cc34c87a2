#pragma once
#include "core/link/Clock.h"
#include "core/link/SerialPort.h"

namespace montira {

// The one deadline clock of the exchanges: it forwards every wait to the real clock and
// reports stopping() once `limitMs` have passed since the last progress (or since it was
// made), when the port failed under us (when given one), or when the real clock stops. The
// handshakes and read loops run on it, so a meter that stops answering ends them instead of
// keeping them waiting.
class DeadlineClock : public Clock {
public:
    DeadlineClock(Clock& inner, qint64 limitMs, const SerialPort* port = nullptr)
        : inner_(inner), port_(port), limitMs_(limitMs), last_(inner.nowMs()) {}

    qint64 nowMs() const override { return inner_.nowMs(); }
    void delay(double seconds) override {
        if (!stopping()) inner_.delay(seconds);
    }
    void pump() override {
        if (!stopping()) inner_.pump();
    }
    bool stopping() const override {
        return inner_.stopping() || inner_.nowMs() - last_ >= limitMs_ ||
               (port_ && port_->failed());
    }
    // Something arrived: the wait starts again from now.
    void progressed() { last_ = inner_.nowMs(); }

private:
    Clock& inner_;
    const SerialPort* port_;
    qint64 limitMs_;
    qint64 last_;
};

}  // namespace montira
