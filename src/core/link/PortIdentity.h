#pragma once
#include <QList>
#include <QString>

namespace montira {

// A serial port as the system lists it, with what identifies the adapter behind it.
struct PortIdentity {
    QString device;  // what QSerialPort opens: /dev/ttyUSB0 (COM3 on Windows)
    QString byId;    // its stable name, /dev/serial/by-id/...; empty when there is none
    bool hasUsbIds = false;
    quint16 vendor = 0, product = 0;
    QString serial;  // the adapter's serial number; empty when it has none
};

// True when the adapter can be told apart from others of its kind: vendor and product ids
// with a serial number, or a stable name.
bool IsIdentified(const PortIdentity& p);
// The same adapter: same vendor, product and serial number, or the same stable name.
bool SameAdapter(const PortIdentity& a, const PortIdentity& b);
// The entry of `ports` that `name` designates, by device name or by stable name; null if none.
const PortIdentity* FindPort(const QList<PortIdentity>& ports, const QString& name);

// Where to open `meter` now that `name` is wanted: `name` while it is that adapter (or not
// listed, so nothing says otherwise); the device where the same adapter now is when it moved
// (ttyUSB0 came back as ttyUSB1); empty when `name` now belongs to another device and the
// meter is nowhere.
QString WhereIsMeter(const PortIdentity& meter, const QString& name,
                     const QList<PortIdentity>& ports);

// The list of ports with their identities: the system's, or a test's.
class PortDirectory {
public:
    virtual ~PortDirectory() = default;
    virtual QList<PortIdentity> ports() const = 0;
};

// QSerialPortInfo, with the stable names of /dev/serial/by-id (Linux) matched to devices.
class SystemPortDirectory : public PortDirectory {
public:
    QList<PortIdentity> ports() const override;
};

}  // namespace montira
