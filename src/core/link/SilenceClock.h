#pragma once
#include "core/link/Clock.h"

namespace montira {

// A clock that gives up when the meter has been silent too long: it forwards every wait to
// the real clock and reports stopping() once `limitMs` have passed since the last progress
// (or when the real clock stops). The handshake and the read loops of a download run on it,
// so a meter that stops answering ends them instead of keeping them waiting.
class SilenceClock : public Clock {
public:
    SilenceClock(Clock& inner, qint64 limitMs)
        : inner_(inner), limitMs_(limitMs), last_(inner.nowMs()) {}

    qint64 nowMs() const override { return inner_.nowMs(); }
    void delay(double seconds) override {
        if (!stopping()) inner_.delay(seconds);
    }
    void pump() override { inner_.pump(); }
    bool stopping() const override {
        return inner_.stopping() || inner_.nowMs() - last_ > limitMs_;
    }
    // Something arrived: the silence starts again from now.
    void progressed() { last_ = inner_.nowMs(); }

private:
    Clock& inner_;
    qint64 limitMs_;
    qint64 last_;
};

}  // namespace montira
