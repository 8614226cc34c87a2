#pragma once
#include <QList>
#include <QString>
#include <functional>

#include "core/link/PortIdentity.h"
#include "core/link/PortProbe.h"

namespace montira {

// A serial port that the system reports: its device path (or COMn name on Windows) and,
// where the system gives them, its description and maker.
struct SystemPort {
    QString location;
    QString description;
    QString manufacturer;
};

// One entry of the port list: the identifier after "COM  " and its tool tip.
struct PortEntry {
    QString id;
    QString toolTip;
};

// Numbered ports offered in the list.
constexpr int kNumberedPorts = 16;

// The serial ports the system reports (QSerialPortInfo), each followed by its stable name.
QList<SystemPort> SystemSerialPorts();
// `ports`, each followed by its stable name (/dev/serial/by-id/...) where `identities` give
// one: a USB adapter chosen by that name is still found when it comes back under another
// path.
QList<SystemPort> WithStableNames(const QList<SystemPort>& ports,
                                  const QList<PortIdentity>& identities);

// The full list: the sixteen numbered ports, then every system port by its path (a system
// port that is one of the numbered ones lends it its tool tip instead), then the simulated
// meter.
QList<PortEntry> AllPortEntries(const QList<SystemPort>& system);
// The ports of `candidates` that open or that another program holds, in order, then the
// simulated meter. `progress(i, n)` runs before the i-th probe (1-based). When no real port
// is found, `reason` (when given) says why, for the user.
QList<PortEntry> ScanPortEntries(const QList<PortEntry>& candidates, PortProbe& probe,
                                 const std::function<void(int, int)>& progress,
                                 QString* reason = nullptr);

// The identifier that OK takes from the combo text: the text after the two spaces; a device
// path typed without them is taken as it is; anything else ("COM1") gives "".
QString ChosenPortId(const QString& comboText);

}  // namespace montira
