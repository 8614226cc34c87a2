#pragma once
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include "core/link/QtSerialPort.h"

namespace montira::cli {

// "--key value" and "--flag" arguments of a command.
struct Options {
    QHash<QString, QString> values;
    QSet<QString> flags;

    bool has(const QString& key) const { return values.contains(key); }
    QString value(const QString& key) const { return values.value(key); }
};

// Fails with a message on an unknown argument or a key without its value.
bool ParseOptions(const QStringList& args, const QStringList& valueKeys,
                  const QStringList& flagKeys, Options& out, QString& error);

// A whole number in [lo, hi] or a positive number of seconds up to a day; false (with a
// message naming the key) when the text is not one.
bool ReadWhole(const Options& o, const QString& key, qint64 lo, qint64 hi, qint64& out,
               QString& error);
// A decimal number with a point, spaces around it allowed; never NaN or infinite.
bool ParseNumber(const QString& text, double& out);

bool ReadSeconds(const Options& o, const QString& key, double& out, QString& error);
// --timeout: seconds, at least what start-up needs (the port is reopened every half second
// until the meter's first frame comes).
constexpr double kMinTimeoutSeconds = 1;
bool ReadTimeout(const Options& o, double& out, QString& error);

// Opens the meter's port at 19200,n,8,1; prints why on stderr when it cannot.
bool OpenMeterDevice(QtSerialPort& port, const char* command);

}  // namespace montira::cli
