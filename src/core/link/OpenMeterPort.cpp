#include "core/link/OpenMeterPort.h"

#include <QCoreApplication>

namespace montira {

QString NoPortMessage() {
    return QCoreApplication::translate("montira", "Não há porta COM disponível");
}

OpenOutcome OpenMeterPort(SerialPort& port, QString* reason) {
    if (port.isOpen() && !port.failed()) return OpenOutcome::Opened;
    QString why;
    const OpenOutcome out = port.open(&why);
    if (out == OpenOutcome::Opened) return out;
    if (reason) *reason = why;
    return out;
}

}  // namespace montira
