#include "core/link/QtSerialPort.h"

#include <QCoreApplication>

namespace montira {

QtSerialPort::QtSerialPort(QString deviceName, qint32 baud)
    : device_(std::move(deviceName)), baud_(baud) {
    QObject::connect(&port_, &QSerialPort::errorOccurred, [this](QSerialPort::SerialPortError e) {
        if (e == QSerialPort::ResourceError || e == QSerialPort::DeviceNotFoundError)
            failed_ = true;
    });
}

OpenOutcome QtSerialPort::open(QString* reason) {
    if (port_.isOpen()) return OpenOutcome::Opened;
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
        case QSerialPort::DeviceNotFoundError: out = OpenOutcome::Missing; break;
        case QSerialPort::PermissionError:
            // Linux reports a port held by another program as a permission error too; a
            // readable device node that we may open tells the two apart.
            out = OpenOutcome::Denied;
            break;
        case QSerialPort::OpenError: out = OpenOutcome::Busy; break;
        default: break;
    }
    if (reason) *reason = DescribeOpenFailure(out, device_) + " (" + port_.errorString() + ")";
    port_.clearError();
    return out;
}

void QtSerialPort::close() {
    if (port_.isOpen()) port_.close();
}

bool QtSerialPort::isOpen() const { return port_.isOpen(); }

void QtSerialPort::pull() {
    // Without a running event loop QSerialPort only fills its buffer when asked.
    if (port_.isOpen()) port_.waitForReadyRead(0);
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
    if (!port_.isOpen()) return;
    port_.write(bytes);
    port_.waitForBytesWritten(100);
}

void QtSerialPort::clear() {
    if (!port_.isOpen()) return;
    port_.clear(QSerialPort::Input);
    port_.readAll();
}

QString DescribeOpenFailure(OpenOutcome outcome, const QString& device) {
    switch (outcome) {
        case OpenOutcome::Opened: return QString();
        case OpenOutcome::Missing:
            return QCoreApplication::translate("montira", "A porta %1 não existe.").arg(device);
        case OpenOutcome::Busy:
            return QCoreApplication::translate("montira", "A porta %1 está em uso por outro programa.")
                .arg(device);
        case OpenOutcome::Denied:
#ifdef Q_OS_LINUX
            return QCoreApplication::translate(
                       "montira",
                       "Sem permissão para abrir %1: o usuário deve pertencer ao grupo dialout "
                       "(sudo usermod -aG dialout $USER), ou a porta está em uso por outro programa.")
                .arg(device);
#else
            return QCoreApplication::translate("montira", "Sem permissão para abrir %1.").arg(device);
#endif
        case OpenOutcome::Failed: break;
    }
    return QCoreApplication::translate("montira", "Não foi possível abrir %1.").arg(device);
}

}  // namespace montira
