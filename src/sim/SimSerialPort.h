#pragma once
#include "core/link/SerialPort.h"
#include "sim/SimMeter.h"

namespace montira {
class VirtualClock;
class Clock;
}  // namespace montira

namespace montira::sim {

// The serial seam in front of a SimMeter, in the same process. The meter's time follows the
// given clock: on a VirtualClock the port listens to every step; on the EventLoopClock the
// meter is brought up to the clock's time whenever the PC looks at the port or writes to it.
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
    int listenerId_ = 0;
    bool open_ = false;
    bool available_ = true;
    QByteArray inbox_;
    QByteArray written_;
};

}  // namespace montira::sim
