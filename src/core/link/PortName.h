#pragma once
#include <QString>

namespace montira {

// Port identifiers as the port list shows them after "COM  ": a number N (COMN on Windows,
// /dev/ttyS(N-1) on Linux), a device path (/dev/ttyUSB0, /dev/pts/3) or SIM, the built-in
// simulated meter.
constexpr const char* kSimulatedPortId = "SIM";

QString PortEntryText(const QString& identifier);      // "COM  " + identifier
QString PortIdFromEntry(const QString& entry);         // text after the two spaces, or ""
QString DeviceNameForPort(const QString& identifier);  // what QSerialPort opens
bool IsSimulatedPort(const QString& identifier);
QString PortCaption(const QString& identifier);  // "COM " + identifier; "SIMULADOR"

}  // namespace montira
