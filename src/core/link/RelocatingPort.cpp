#include "core/link/RelocatingPort.h"

#include <QCoreApplication>

namespace montira {

RelocatingPort::RelocatingPort(QString device, Factory make, const PortDirectory& directory)
    : device_(std::move(device)), make_(std::move(make)), directory_(directory) {
    adopt(make_(device_));
}

void RelocatingPort::adopt(std::unique_ptr<SerialPort> port) {
    port_ = std::move(port);
    port_->readyRead = [this] { notifyReadyRead(); };
}

OpenOutcome RelocatingPort::open(QString* reason) {
    if (port_->isOpen() && !port_->failed()) return OpenOutcome::Opened;
    const QList<PortIdentity> ports = directory_.ports();
    if (IsIdentified(meter_)) {
        const QString where = WhereIsMeter(meter_, device_, ports);
        if (where.isEmpty()) {
            port_->close();
            if (reason) {
                *reason = QCoreApplication::translate(
                              "montira", "A porta %1 agora pertence a outro dispositivo.")
                              .arg(device_);
            }
            return OpenOutcome::Missing;
        }
        if (where != device_) {
            port_->close();
            device_ = where;
            adopt(make_(device_));
        }
    }
    const OpenOutcome out = port_->open(reason);
    if (out == OpenOutcome::Opened && !IsIdentified(meter_)) {
        if (const PortIdentity* p = FindPort(ports, device_)) meter_ = *p;
    }
    return out;
}

}  // namespace montira
