#pragma once
#include <memory>

#include "core/link/Clock.h"
#include "core/link/SerialPort.h"
#include "sim/SimMeter.h"

namespace montira {
class VirtualClock;
}  // namespace montira

namespace montira::sim {

// The serial seam in front of a SimMeter, in the same process. The meter's time follows the
// given clock: on a VirtualClock the port listens to every step; on the real clock an alarm
// wakes it when the meter has something to send. New bytes are announced through readyRead.
class SimSerialPort : public SerialPort {
public:
    // The clock must outlive the port.
    SimSerialPort(SimMeter& meter, Clock& clock);
    ~SimSerialPort() override;
    SimSerialPort(const SimSerialPort&) = delete;
    SimSerialPort& operator=(const SimSerialPort&) = delete;
    OpenOutcome open(QString* reason = nullptr) override;
    void close() override;
    bool isOpen() const override { return open_; }
    int bytesWaiting() override;
    QByteArray readAll() override;
    void write(const QByteArray& bytes) override;
    void clear() override;

    // Tests: make the next open() fail like a vanished adapter, or fail the port now.
    void setAvailable(bool on) {
        available_ = on;
        if (!on) open_ = false;
    }
    bool failed() const override { return !available_; }
    QByteArray written() const { return written_; }  // everything the PC wrote, in order

private:
    void catchUp();
    SimMeter& meter_;
    Clock& clock_;
    VirtualClock* virtual_ = nullptr;
    std::unique_ptr<Alarm> alarm_;
    bool catching_ = false;
    int listenerId_ = 0;
    bool open_ = false;
    bool available_ = true;
    QByteArray inbox_;
    QByteArray written_;
};

}  // namespace montira::sim
