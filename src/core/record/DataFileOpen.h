#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

namespace montira {

// A data file is never larger than this: a recording starts a new file every 320,000 records
// (about 25 MB). Larger files are refused rather than read into memory.
constexpr qint64 kMaxDataFileBytes = 128 * 1024 * 1024;

// The bytes of the data file at `path`, or nothing with `*why` saying (in the window's
// language) what is wrong: missing, a folder, not a regular file (a FIFO or a device, which
// are never opened, so nothing blocks), too large, or unreadable.
std::optional<QByteArray> ReadDataFileBytes(const QString& path, QString* why);

// The note shown after a file was read whose lines were cut at the longest line accepted.
QString CutLinesMessage(const QString& path, int cutLines);

}  // namespace montira
