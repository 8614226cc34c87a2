#include "core/link/PortIdentity.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

namespace montira {

bool IsIdentified(const PortIdentity& p) {
    return !p.byId.isEmpty() || (p.hasUsbIds && !p.serial.isEmpty());
}

bool SameAdapter(const PortIdentity& a, const PortIdentity& b) {
    if (!a.byId.isEmpty() && a.byId == b.byId) return true;
    return a.hasUsbIds && b.hasUsbIds && !a.serial.isEmpty() && a.vendor == b.vendor &&
           a.product == b.product && a.serial == b.serial;
}

const PortIdentity* FindPort(const QList<PortIdentity>& ports, const QString& name) {
    if (name.isEmpty()) return nullptr;
    for (const PortIdentity& p : ports)
        if (p.device == name || p.byId == name) return &p;
    return nullptr;
}

QString WhereIsMeter(const PortIdentity& meter, const QString& name,
                     const QList<PortIdentity>& ports) {
    if (!IsIdentified(meter)) return name;
    const PortIdentity* here = FindPort(ports, name);
    if (here && SameAdapter(*here, meter)) return name;
    for (const PortIdentity& p : ports)
        if (SameAdapter(p, meter)) return p.device;
    return here ? QString() : name;
}

QList<PortIdentity> SystemPortDirectory::ports() const {
    QList<PortIdentity> out;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        PortIdentity p;
#ifdef Q_OS_WIN
        p.device = info.portName();
#else
        p.device = info.systemLocation();
#endif
        p.hasUsbIds = info.hasVendorIdentifier() && info.hasProductIdentifier();
        p.vendor = info.vendorIdentifier();
        p.product = info.productIdentifier();
        p.serial = info.serialNumber();
        out.push_back(p);
    }
    const QDir byId(QStringLiteral("/dev/serial/by-id"));
    for (const QFileInfo& link :
         byId.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        const QString device = link.canonicalFilePath();
        for (PortIdentity& p : out)
            if (p.device == device) p.byId = link.absoluteFilePath();
    }
    return out;
}

}  // namespace montira
