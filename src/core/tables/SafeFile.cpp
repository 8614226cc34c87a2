#include "core/tables/SafeFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace montira {

namespace {

QString Failure(const QString& path, const QString& why) {
    return QCoreApplication::translate("SafeFile", "Não foi possível gravar o arquivo %1: %2")
        .arg(path, why);
}

SaveOutcome Fail(const QString& path, const QString& why, QString* error) {
    if (error) *error = Failure(path, why);
    return SaveOutcome::Failed;
}

#ifdef Q_OS_UNIX

QString Cause(int err) {
    return QString::fromLocal8Bit(std::strerror(err));
}

// Writes to a descriptor in 64 KB pieces and keeps the system's own word for a failure
// (ENOSPC: "No space left on device"), which Qt's file classes lose on the last flush.
class CheckedWriter : public QIODevice {
public:
    // `earlyWriteback`: the file is synced at the end, so its pages are sent to the disk as
    // they are written rather than all at that sync.
    explicit CheckedWriter(int fd, bool earlyWriteback = false)
        : fd_(fd), earlyWriteback_(earlyWriteback) {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }
    // Everything written reached the system.
    bool finish() { return cause_.isEmpty() && drain(); }
    const QString& cause() const { return cause_; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 len) override {
        if (!cause_.isEmpty()) return -1;
        // A whole chunk from a writer that gathers its own goes out without another copy.
        if (pending_.isEmpty() && len >= kChunk) return put(data, len) ? len : -1;
        pending_.append(data, len);
        if (pending_.size() >= kChunk && !drain()) return -1;
        return len;
    }

private:
    static constexpr qint64 kChunk = 1 << 16;

    bool drain() {
        if (!put(pending_.constData(), pending_.size())) return false;
        pending_.clear();
        return true;
    }
    bool put(const char* p, qint64 left) {
        while (left > 0) {
            const ssize_t n = ::write(fd_, p, size_t(left));
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                cause_ = Cause(errno);
                setErrorString(cause_);
                return false;
            }
            p += n;
            left -= n;
            written_ += n;
        }
#ifdef Q_OS_LINUX
        // Only starts the disk writes (the final fsync still waits for them all); a file
        // system that cannot do this just leaves them to that fsync.
        if (earlyWriteback_ && written_ - sentToDisk_ >= kWritebackBytes) {
            ::sync_file_range(fd_, sentToDisk_, written_ - sentToDisk_, SYNC_FILE_RANGE_WRITE);
            sentToDisk_ = written_;
        }
#endif
        return true;
    }

    static constexpr qint64 kWritebackBytes = 1 << 22;

    int fd_;
    bool earlyWriteback_;
    qint64 written_ = 0, sentToDisk_ = 0;
    QByteArray pending_;
    QString cause_;
};

// An existing FIFO or device, opened for writing without waiting for a reader.
SaveOutcome SaveIntoSpecialFile(const QString& path, const WriteContents& write, QString* error) {
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENXIO)
            return Fail(path,
                        QCoreApplication::translate("SafeFile", "nenhum programa lê este FIFO"),
                        error);
        return Fail(path, Cause(errno), error);
    }
    // From here on the writes wait for the reader as usual.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    const SaveOutcome r = WriteIntoDescriptor(fd, path, write, error);
    if (::close(fd) != 0 && r == SaveOutcome::Saved) return Fail(path, Cause(errno), error);
    return r;
}

#endif

}  // namespace

#ifdef Q_OS_UNIX

namespace {

SaveOutcome WriteChecked(int fd, const QString& name, const WriteContents& write, QString* error,
                         bool earlyWriteback) {
    CheckedWriter out(fd, earlyWriteback);
    const bool written = write(out);
    if (!out.cause().isEmpty()) return Fail(name, out.cause(), error);
    if (!written) return SaveOutcome::Cancelled;
    if (!out.finish()) return Fail(name, out.cause(), error);
    return SaveOutcome::Saved;
}

}  // namespace

SaveOutcome WriteIntoDescriptor(int fd, const QString& name, const WriteContents& write,
                                QString* error) {
    return WriteChecked(fd, name, write, error, false);
}

SaveOutcome SaveFileSafely(const QString& path, const WriteContents& write, QString* error) {
    const QFileInfo info(path);  // a symbolic link counts as what it points to
    if (info.isDir())
        return Fail(path, QCoreApplication::translate("SafeFile", "é uma pasta"), error);
    if (info.exists() && !info.isFile()) return SaveIntoSpecialFile(path, write, error);

    // QSaveFile makes the file beside the target (with the target's permissions) and puts it
    // in the target's place; the bytes go to its descriptor through the checked writer.
    QSaveFile file(path);
    // Writing into the target directly would be the only way for a folder where new files
    // cannot be made; that would leave a half-written file behind on a failure, so refuse.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) return Fail(path, file.errorString(), error);
    const SaveOutcome written = WriteChecked(file.handle(), path, write, error, true);
    if (written != SaveOutcome::Saved) {
        file.cancelWriting();
        return written;
    }
    // The contents must be on the disk before the new file takes the old one's place: some
    // file systems tell of a full disk only here.
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS) {
        const QString cause = Cause(errno);
        file.cancelWriting();
        return Fail(path, cause, error);
    }
    if (!file.commit()) return Fail(path, file.errorString(), error);
    return SaveOutcome::Saved;
}

#else

SaveOutcome WriteIntoDescriptor(int, const QString& name, const WriteContents&, QString* error) {
    return Fail(name, QCoreApplication::translate("SafeFile", "não é um arquivo comum"), error);
}

SaveOutcome SaveFileSafely(const QString& path, const WriteContents& write, QString* error) {
    const QFileInfo info(path);
    if (info.isDir())
        return Fail(path, QCoreApplication::translate("SafeFile", "é uma pasta"), error);
    if (info.exists() && !info.isFile())
        return Fail(path, QCoreApplication::translate("SafeFile", "não é um arquivo comum"), error);
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) return Fail(path, file.errorString(), error);
    const bool written = write(file);
    if (!written || !file.flush() || file.error() != QFileDevice::NoError) {
        const bool failed = file.error() != QFileDevice::NoError;
        file.cancelWriting();
        if (!failed) return SaveOutcome::Cancelled;
        return Fail(path, file.errorString(), error);
    }
    if (!file.commit()) return Fail(path, file.errorString(), error);
    return SaveOutcome::Saved;
}

#endif

SaveOutcome SaveBytesSafely(const QString& path, const QByteArray& bytes, QString* error) {
    return SaveFileSafely(
        path, [&](QIODevice& out) { return out.write(bytes) == bytes.size(); }, error);
}

}  // namespace montira
