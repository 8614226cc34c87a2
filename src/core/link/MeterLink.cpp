#include "core/link/MeterLink.h"

namespace montira {

MeterLink::MeterLink(SerialPort& port, Clock& clock, LinkState& state)
    : port_(port), clock_(clock), state_(state) {
    alarm_ = clock_.alarm([this] { rang(); });
    port_.readyRead = [this] { readyRead(); };
}

MeterLink::~MeterLink() {
    port_.readyRead = nullptr;
}

bool MeterLink::run(Exchange& ex, std::function<void()> done) {
    if (current_ || clock_.stopping()) return false;
    if (liveOn_) {
        liveOn_ = false;
        live_->suspend();
    }
    current_ = &ex;
    done_ = std::move(done);
    state_.KeypadBusy = true;
    inside_ = true;
    ex.start(port_, clock_.nowMs());
    inside_ = false;
    settle();
    return true;
}

void MeterLink::cancel(Exchange& ex) {
    if (current_ != &ex) return;
    inside_ = true;
    ex.abandon();
    inside_ = false;
    settle();
}

void MeterLink::setLive(Exchange* live) {
    if (live_ && liveOn_) live_->suspend();
    liveOn_ = false;
    live_ = live;
    startLive();
}

void MeterLink::startLive() {
    if (!live_ || liveOn_ || current_ || leases_ > 0 || clock_.stopping()) {
        settle();
        return;
    }
    liveOn_ = true;
    inside_ = true;
    live_->start(port_, clock_.nowMs());
    inside_ = false;
    settle();
}

void MeterLink::hold() {
    if (leases_++ == 0 && liveOn_) {
        liveOn_ = false;
        live_->suspend();
        settle();
    }
}

void MeterLink::unhold() {
    if (leases_ > 0 && --leases_ == 0) startLive();
}

OpenOutcome MeterLink::open(QString* reason) {
    return port_.open(reason);
}

void MeterLink::close() {
    port_.close();
}

void MeterLink::stop() {
    clock_.requestStop();
    if (current_) cancel(*current_);
    if (liveOn_) {
        liveOn_ = false;
        live_->suspend();
    }
    alarm_->cancel();
}

void MeterLink::readyRead() {
    readPending_ = true;
    // Bytes that a write of the exchange brought, or that a read announced: read once the
    // call in progress returns.
    if (inside_) return;
    settle();
}

void MeterLink::rang() {
    Exchange* a = active();
    if (!a || inside_) return;
    inside_ = true;
    a->due(clock_.nowMs());
    inside_ = false;
    settle();
}

void MeterLink::settle() {
    while (readPending_) {
        readPending_ = false;
        inside_ = true;
        const QByteArray bytes = port_.readAll();
        inside_ = false;
        Exchange* a = active();
        if (!a || (bytes.isEmpty() && !port_.failed())) continue;
        inside_ = true;
        a->received(bytes, clock_.nowMs());
        inside_ = false;
    }
    if (current_ && current_->finished()) {
        current_ = nullptr;
        state_.KeypadBusy = false;
        std::function<void()> done = std::move(done_);
        done_ = nullptr;
        startLive();
        if (done) done();
        return;
    }
    if (liveOn_ && live_->finished()) liveOn_ = false;
    Exchange* a = active();
    if (!a || a->deadline() == Exchange::kNever) {
        alarm_->cancel();
    } else if (a->deadline() <= clock_.nowMs()) {
        rang();  // a wait that is already over (the exchange is quiet): go on at once
    } else {
        alarm_->at(a->deadline());
    }
}

}  // namespace montira
