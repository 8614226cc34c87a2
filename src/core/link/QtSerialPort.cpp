#include "core/link/QtSerialPort.h"

#include <QCoreApplication>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <poll.h>
#include <unistd.h>
#endif

namespace montira {

namespace {

// On Linux a port that another program holds (its lock file, or the exclusive mode a program
// set on the line) and a port we may not open both come back as PermissionError. A device
// node that we may read and write tells the first apart; a lock file left for a device that
// is not there (another program tried the same name) says nothing about a missing device.
OpenOutcome PermissionOutcome(const QString& device) {
#ifdef Q_OS_UNIX
    const QByteArray path =
        device.startsWith('/') ? device.toLocal8Bit() : QByteArray("/dev/") + device.toLocal8Bit();
    if (!QFileInfo::exists(QString::fromLocal8Bit(path))) return OpenOutcome::Missing;
    if (::access(path.constData(), R_OK | W_OK) == 0) return OpenOutcome::Busy;
    return OpenOutcome::Denied;
#else
    Q_UNUSED(device);
    return OpenOutcome::Busy;  // Windows: access denied means another program holds it
#endif
}

}  // namespace

QtSerialPort::QtSerialPort(QString deviceName, qint32 baud)
    : device_(std::move(deviceName)), baud_(baud) {
    QObject::connect(&port_, &QSerialPort::errorOccurred, [this](QSerialPort::SerialPortError e) {
        if (e == QSerialPort::ResourceError || e == QSerialPort::DeviceNotFoundError) {
            failed_ = true;
            notifyReadyRead();  // the link learns of it now, not at its next deadline
        }
    });
    QObject::connect(&port_, &QSerialPort::readyRead, [this] { notifyReadyRead(); });
}

OpenOutcome QtSerialPort::open(QString* reason) {
    if (port_.isOpen()) {
        if (!failed_) return OpenOutcome::Opened;
        port_.close();  // the device went away under us: start afresh
    }
    failed_ = false;
    port_.setPortName(device_);
    port_.setBaudRate(baud_);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (port_.open(QIODevice::ReadWrite)) {
        failed_ = false;
        return OpenOutcome::Opened;
    }
    OpenOutcome out = OpenOutcome::Failed;
    switch (port_.error()) {
        case QSerialPort::DeviceNotFoundError:
            out = OpenOutcome::Missing;
            break;
        case QSerialPort::PermissionError:
            out = PermissionOutcome(device_);
            break;
        case QSerialPort::OpenError:
            out = OpenOutcome::Busy;
            break;  // already open here
        default:
            if (!QFileInfo::exists(device_) && device_.startsWith('/')) out = OpenOutcome::Missing;
            break;
    }
    if (reason) *reason = DescribeOpenFailure(out, device_) + " (" + port_.errorString() + ")";
    port_.clearError();
    failed_ = false;  // errorOccurred during a failed open is not a failure of an open port
    return out;
}

void QtSerialPort::close() {
    if (port_.isOpen()) port_.close();
    failed_ = false;
}

bool QtSerialPort::isOpen() const {
    return port_.isOpen();
}

void QtSerialPort::checkHangUp() const {
#ifdef Q_OS_UNIX
    // A vanished adapter (or the far end of a pseudo-terminal closing) shows as a hang-up or
    // an error on the descriptor; QSerialPort only notices it when it happens to read.
    if (failed_ || !port_.isOpen()) return;
    pollfd p{};
    p.fd = int(port_.handle());
    p.events = POLLIN;
    if (p.fd >= 0 && ::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)))
        failed_ = true;
#endif
}

void QtSerialPort::pull() {
    // QSerialPort fills its buffer from the event loop and says so with readyRead.
    if (port_.isOpen()) checkHangUp();
}

int QtSerialPort::bytesWaiting() {
    pull();
    return port_.isOpen() ? int(port_.bytesAvailable()) : 0;
}

QByteArray QtSerialPort::readAll() {
    pull();
    return port_.isOpen() ? port_.readAll() : QByteArray();
}

void QtSerialPort::write(const QByteArray& bytes) {
    if (!port_.isOpen() || failed_) return;
    if (port_.write(bytes) < 0) {
        failed_ = true;
        return;
    }
    // Out now rather than at the event loop's next turn: the pauses between the bytes are the
    // meter's, and at 19200 baud a letter takes half a millisecond.
    port_.flush();
    checkHangUp();
}

void QtSerialPort::clear() {
    if (!port_.isOpen()) return;
    port_.clear(QSerialPort::Input);
    port_.readAll();
}

QString DescribeOpenFailure(OpenOutcome outcome, const QString& device) {
    switch (outcome) {
        case OpenOutcome::Opened:
            return QString();
        case OpenOutcome::Missing:
            return QCoreApplication::translate("montira", "A porta %1 não existe.").arg(device);
        case OpenOutcome::Busy:
            return QCoreApplication::translate("montira",
                                               "A porta %1 está em uso por outro programa.")
                .arg(device);
        case OpenOutcome::Denied:
#ifdef Q_OS_LINUX
            return QCoreApplication::translate(
                       "montira",
                       "Sem permissão para abrir %1: o usuário deve pertencer ao grupo dialout "
                       "(sudo usermod -aG dialout $USER).")
                .arg(device);
#else
            return QCoreApplication::translate("montira", "Sem permissão para abrir %1.")
                .arg(device);
#endif
        case OpenOutcome::Failed:
            break;
    }
    return QCoreApplication::translate("montira", "Não foi possível abrir %1.").arg(device);
}

}  // namespace montira
