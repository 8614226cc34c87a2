#pragma once
#include <QSerialPort>

#include "core/link/SerialPort.h"

namespace montira {

// The serial seam over QSerialPort, at 19200,n,8,1 (or another baud rate for the probe).
// QSerialPort's notifier fills its buffer from the event loop and readyRead tells the link.
// A device that vanishes while open is reported by failed() (and a readyRead).
class QtSerialPort : public SerialPort {
public:
    explicit QtSerialPort(QString deviceName, qint32 baud = 19200);
    OpenOutcome open(QString* reason = nullptr) override;
    void close() override;
    bool isOpen() const override;
    int bytesWaiting() override;
    QByteArray readAll() override;
    void write(const QByteArray& bytes) override;
    void clear() override;
    // Looks at the line too: a hang-up shows only when somebody asks, and while the meter is
    // silent nothing reads.
    bool failed() const override {
        checkHangUp();
        return failed_;
    }
    QString deviceName() const { return device_; }

private:
    void pull();
    void checkHangUp() const;
    QString device_;
    qint32 baud_;
    QSerialPort port_;
    mutable bool failed_ = false;
};

// Text for the user that explains why opening failed (permission, busy, missing).
QString DescribeOpenFailure(OpenOutcome outcome, const QString& device);

}  // namespace montira
