#pragma once
#include <QIODevice>
#include <QString>
#include <functional>

namespace montira {

// How a save ended. A failed or cancelled save leaves the target as it was: the bytes go to
// a file beside it, which replaces the target only once everything was written.
enum class SaveOutcome { Saved, Cancelled, Failed };

// `write` puts the contents into the device and returns false to cancel. On failure `error`
// (when given) says what failed and names the file.
using WriteContents = std::function<bool(QIODevice& out)>;
SaveOutcome SaveFileSafely(const QString& path, const WriteContents& write,
                           QString* error = nullptr);
SaveOutcome SaveBytesSafely(const QString& path, const QByteArray& bytes, QString* error = nullptr);

}  // namespace montira
