#include "core/tables/SafeFile.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace montira {

namespace {

QString Failure(const QString& path, const QString& why) {
    return QCoreApplication::translate("SafeFile", "Não foi possível gravar o arquivo %1: %2")
        .arg(path, why);
}

}  // namespace

SaveOutcome SaveFileSafely(const QString& path, const WriteContents& write, QString* error) {
    QSaveFile file(path);
    // Writing into the target directly would be the only way for a folder where new files
    // cannot be made; that would leave a half-written file behind on a failure, so refuse.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) *error = Failure(path, file.errorString());
        return SaveOutcome::Failed;
    }
    if (!write(file)) {
        const bool failed = file.error() != QFileDevice::NoError;
        if (failed && error) *error = Failure(path, file.errorString());
        file.cancelWriting();
        return failed ? SaveOutcome::Failed : SaveOutcome::Cancelled;
    }
    if (!file.commit()) {
        if (error) *error = Failure(path, file.errorString());
        return SaveOutcome::Failed;
    }
    return SaveOutcome::Saved;
}

SaveOutcome SaveBytesSafely(const QString& path, const QByteArray& bytes, QString* error) {
    return SaveFileSafely(
        path, [&](QIODevice& out) { return out.write(bytes) == bytes.size(); }, error);
}

}  // namespace montira
