#include "sim/SimSerialPort.h"

#include "core/link/Clock.h"
#include "core/link/VirtualClock.h"

namespace montira::sim {

SimSerialPort::SimSerialPort(SimMeter& meter, Clock& clock) : meter_(meter), clock_(clock) {
    // On the virtual clock the meter lives through every step, as it would beside a real
    // clock: its own clock, its logging run and what it sends to a closed port move on
    // whether or not the PC looks.
    if (auto* v = dynamic_cast<VirtualClock*>(&clock)) {
        virtual_ = v;
        listenerId_ = v->addListener([this](qint64) { catchUp(); });
    } else {
        // On the real clock the meter wakes when it has something to do (its next frame, a
        // reply that is due) and says so like a serial port: nothing runs in between.
        alarm_ = clock.alarm([this] { catchUp(); });
        alarm_->at(meter_.nextEventMs());
    }
}

SimSerialPort::~SimSerialPort() {
    if (virtual_) virtual_->removeListener(listenerId_);
}

OpenOutcome SimSerialPort::open(QString* reason) {
    if (!available_) {
        if (reason) *reason = QStringLiteral("O medidor simulado não está disponível.");
        return OpenOutcome::Missing;
    }
    open_ = true;
    return OpenOutcome::Opened;
}

void SimSerialPort::close() {
    open_ = false;
}

void SimSerialPort::catchUp() {
    if (catching_) return;
    catching_ = true;
    meter_.advanceTo(clock_.nowMs());
    const QByteArray b = meter_.take();
    if (alarm_) alarm_->at(meter_.nextEventMs());
    catching_ = false;
    if (!open_ || b.isEmpty()) return;  // bytes sent to a closed port are lost, as on a wire
    inbox_ += b;
    notifyReadyRead();
}

int SimSerialPort::bytesWaiting() {
    catchUp();
    return open_ ? int(inbox_.size()) : 0;
}

QByteArray SimSerialPort::readAll() {
    catchUp();
    QByteArray b;
    if (open_) b.swap(inbox_);
    return b;
}

void SimSerialPort::write(const QByteArray& bytes) {
    if (!open_) return;
    catchUp();
    written_ += bytes;
    meter_.receive(bytes);
    if (alarm_) alarm_->at(meter_.nextEventMs());
}

void SimSerialPort::clear() {
    catchUp();
    inbox_.clear();
}

}  // namespace montira::sim
