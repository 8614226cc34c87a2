#pragma once
#include <QIODevice>
#include <QString>
#include <functional>

namespace montira {

// How a save ended. A failed or cancelled save leaves the target as it was: the bytes go to
// a file beside it, which replaces the target only once everything was written, flushed and
// synced. Every write and the last flush are checked, and a failure says its cause.
//
// A target that exists and is not a regular file (a FIFO, a device such as /dev/null) is never
// replaced: the contents are written into it directly, a FIFO only when a program reads it
// (else the save fails at once instead of waiting). A folder is refused.
enum class SaveOutcome { Saved, Cancelled, Failed };

// `write` puts the contents into the device and returns false to cancel. On failure `error`
// (when given) says what failed and names the file.
using WriteContents = std::function<bool(QIODevice& out)>;
SaveOutcome SaveFileSafely(const QString& path, const WriteContents& write,
                           QString* error = nullptr);
SaveOutcome SaveBytesSafely(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// The contents written into a file that is already open (standard output: descriptor 1),
// every write and the final flush checked; `name` is what a failure message calls it.
SaveOutcome WriteIntoDescriptor(int fd, const QString& name, const WriteContents& write,
                                QString* error = nullptr);

}  // namespace montira
