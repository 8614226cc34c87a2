#include "core/link/PortName.h"

#include <QCoreApplication>

namespace montira {

QString PortEntryText(const QString& identifier) {
    return QStringLiteral("COM  ") + identifier;
}

QString PortIdFromEntry(const QString& entry) {
    const int at = entry.indexOf(QStringLiteral("  "));
    if (at < 0) return QString();
    return entry.mid(at + 2).trimmed();
}

QString DeviceNameForPort(const QString& identifier) {
    bool isNumber = false;
    const int n = identifier.toInt(&isNumber);
    if (!isNumber) return identifier;
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(n);
#else
    return QStringLiteral("/dev/ttyS%1").arg(n - 1);
#endif
}

bool IsSimulatedPort(const QString& identifier) {
    return identifier.compare(QLatin1String(kSimulatedPortId), Qt::CaseInsensitive) == 0;
}

QString PortCaption(const QString& identifier) {
    // The simulated meter says so wherever the port is shown: its values are not measured.
    if (IsSimulatedPort(identifier)) return QCoreApplication::translate("montira", "SIMULADOR");
    return QStringLiteral("COM ") + identifier;
}

}  // namespace montira
