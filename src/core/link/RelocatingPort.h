#pragma once
#include <functional>
#include <memory>

#include "core/link/PortIdentity.h"
#include "core/link/SerialPort.h"

namespace montira {

// A serial port that follows its adapter: once open, it remembers the adapter's identity,
// and every later open (the no-data wait reopens about twice a second) looks the adapter up
// first. A pulled USB adapter that comes back under another name is opened there; a name
// now held by another device is not taken for the meter.
class RelocatingPort : public SerialPort {
public:
    using Factory = std::function<std::unique_ptr<SerialPort>(const QString& device)>;
    RelocatingPort(QString device, Factory make, const PortDirectory& directory);

    OpenOutcome open(QString* reason = nullptr) override;
    void close() override { port_->close(); }
    bool isOpen() const override { return port_->isOpen(); }
    int bytesWaiting() override { return port_->bytesWaiting(); }
    QByteArray readAll() override { return port_->readAll(); }
    void write(const QByteArray& bytes) override { port_->write(bytes); }
    void clear() override { port_->clear(); }
    bool failed() const override { return port_->failed(); }

    QString deviceName() const { return device_; }
    const PortIdentity& identity() const { return meter_; }

private:
    void adopt(std::unique_ptr<SerialPort> port);
    QString device_;
    Factory make_;
    const PortDirectory& directory_;
    std::unique_ptr<SerialPort> port_;
    PortIdentity meter_;  // learnt at the first open
};

}  // namespace montira
