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
    meter_.advanceTo(clock_.nowMs());
    const QByteArray b = meter_.take();
    if (open_) inbox_ += b;  // bytes sent to a closed port are lost, as on a wire
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
}

void SimSerialPort::clear() {
    catchUp();
    inbox_.clear();
}

}  // namespace montira::sim
