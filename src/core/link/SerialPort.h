#pragma once
#include <QByteArray>
#include <QString>
#include <functional>

namespace montira {

// How an attempt to open a port ended. The port probe only needs to tell apart a port that
// opened, one that does not exist and one that another program holds.
enum class OpenOutcome { Opened, Missing, Busy, Denied, Failed };

// The serial port seam: every routine that talks to the meter goes through it, so the same
// code runs on a real port (QtSerialPort), on the in-process simulated meter and in tests.
class SerialPort {
public:
    virtual ~SerialPort() = default;

    // Opens at 19200,n,8,1. On failure `reason` (when given) says why, for the user.
    virtual OpenOutcome open(QString* reason = nullptr) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Bytes received and not read yet (the old InBufferCount).
    virtual int bytesWaiting() = 0;
    // Returns and removes everything received so far (the old Input with InputLen = 0).
    virtual QByteArray readAll() = 0;
    // Sends a command letter or parameter bytes (the old Output).
    virtual void write(const QByteArray& bytes) = 0;
    // Discards the receive buffer (the old InBufferCount = 0).
    virtual void clear() = 0;
    // True once the device failed under us (adapter pulled out); the poll treats it as an error.
    virtual bool failed() const { return false; }

    // Called when bytes arrived (readyRead) or the device failed; the meter link sets it and
    // reads then, so nothing polls the port while nothing happens.
    std::function<void()> readyRead;

protected:
    void notifyReadyRead() {
        if (readyRead) readyRead();
    }
};

}  // namespace montira
