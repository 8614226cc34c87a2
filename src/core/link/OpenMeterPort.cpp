#include "core/link/OpenMeterPort.h"

namespace montira {

QString NoPortMessage() {
    return QStringLiteral("Não há porta COM disponível");
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
