#include "core/link/Exchange.h"

#include "core/meter/Commands.h"

namespace montira {

void Exchange::start(SerialPort& port, qint64 now) {
    port_ = &port;
    rx_.clear();
    finished_ = false;
    attempts_ = 0;
    quietAt_ = kNever;
    go(0, now);
}

void Exchange::suspend() {
    deadline_ = kNever;
    attempts_ = 0;
    rx_.clear();
    suspended();
}

void Exchange::received(const QByteArray& bytes, qint64 now) {
    if (finished_) return;
    rx_ += bytes;
    if (attempts_ == 0) arrived(now);
}

void Exchange::due(qint64 now) {
    if (finished_ || now < deadline_) return;
    deadline_ = kNever;
    if (attempts_ > 0) {
        handshakeStep(now);
        return;
    }
    step(now);
}

void Exchange::abandon() {
    if (finished_) return;
    if (attempts_ > 0) link_.MeterOnline = false;
    abandoning();
    finish();
}

void Exchange::wait(qint64 now, qint64 ms, int next) {
    state_ = next;
    // Once the silence bound passed, or on a port that is gone, the wait is over at once.
    deadline_ = quiet(now) ? now : now + ms;
}

void Exchange::go(int next, qint64 now) {
    state_ = next;
    deadline_ = kNever;
    step(now);
}

void Exchange::finish() {
    finished_ = true;
    deadline_ = kNever;
    attempts_ = 0;
}

QByteArray Exchange::take() {
    QByteArray b;
    b.swap(rx_);
    return b;
}

void Exchange::write(const QByteArray& bytes) {
    if (port_) port_->write(bytes);
}

void Exchange::handshake(qint64 now, int next) {
    afterHandshake_ = next;
    link_.MeterOnline = true;
    attempts_ = 1;
    finalWait_ = false;
    drop();  // whatever arrived so far (the tail of a live frame) is dropped
    write(cmd::Attention);
    deadline_ = quiet(now) ? now : now + kByteGapMs;
}

void Exchange::handshakeStep(qint64 now) {
    if (finalWait_) {
        attempts_ = 0;
        go(afterHandshake_, now);
        return;
    }
    const QByteArray s = take();
    if (attempts_ > kHandshakeAttempts || quiet(now)) {
        link_.MeterOnline = false;  // no final wait
        attempts_ = 0;
        go(afterHandshake_, now);
        return;
    }
    // Only the last byte counts: "…J" is ready, "J\r" is not.
    if (!s.isEmpty() && s.back() == cmd::AttentionReply) {
        finalWait_ = true;
        deadline_ = now + kByteGapMs;
        return;
    }
    ++attempts_;
    write(cmd::Attention);
    deadline_ = now + kByteGapMs;
}

}  // namespace montira
