#include "core/record/Recorder.h"

#include <QCoreApplication>

#ifdef Q_OS_UNIX
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace montira {

Recorder::Recorder(AppState& state) : state_(state) {}

Recorder::~Recorder() {
    file_.close();
}

void Recorder::applySaveDialog(bool accepted, const QString& path) {
    if (!accepted) return;
    RecordFileName = path;
    FileChosen = !FileTitle(path).isEmpty();
}

bool Recorder::openFile(const QString& path, const QByteArray& firstLines) {
    file_.close();
    file_.setFileName(path);
    fileSize_ = 0;
    // Opened without truncating, so that a file that another recording holds loses nothing
    // before the refusal. Unbuffered: each line is one write to the system, nothing waits in
    // the process.
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        lastError_ = QStringLiteral("%1: %2").arg(path, file_.errorString());
        return false;
    }
#ifdef Q_OS_UNIX
    // The lock goes with the open file: it ends when the file is closed or the program ends.
    if (::flock(file_.handle(), LOCK_EX | LOCK_NB) != 0) {
        lastError_ = QCoreApplication::translate(
                         "montira", "%1: o arquivo já está sendo gravado por outra gravação")
                         .arg(path);
        file_.close();
        return false;
    }
#endif
    if (!file_.resize(0)) {
        lastError_ = QStringLiteral("%1: %2").arg(path, file_.errorString());
        file_.close();
        return false;
    }
    return writeLine(firstLines);
}

bool Recorder::writeLine(const QByteArray& line) {
    QString cause;
#ifdef Q_OS_UNIX
    // Straight to the system, so that the cause of a failure (a full disk) is known.
    const char* p = line.constData();
    qsizetype left = line.size();
    while (left > 0 && cause.isEmpty()) {
        const ssize_t n = ::write(file_.handle(), p, size_t(left));
        if (n >= 0) {
            p += n;
            left -= n;
        } else if (errno != EINTR) {
            cause = QString::fromLocal8Bit(std::strerror(errno));
        }
    }
#else
    if (file_.write(line) != line.size()) cause = file_.errorString();
#endif
    if (cause.isEmpty()) {
        fileSize_ += line.size();
        return true;
    }
    lastError_ = QStringLiteral("%1: %2").arg(file_.fileName(), cause);
    // The part of the line that was written goes again: the file ends with a whole line.
    file_.resize(fileSize_);
    return false;
}

bool Recorder::start() {
    if (!FileChosen) return false;
    RecordCelsius = state_.CelsiusMode;
    RecordFileSeq = 0;
    lastError_.clear();
    if (!openFile(RecordFileName, EncodeFieldsLine(DataFileHeading(RecordCelsius)))) {
        fail(lastError_);
        return false;
    }
    state_.Recording = true;
    notify();
    return true;
}

void Recorder::stop() {
    const bool wasActive = state_.Recording || file_.isOpen() || RecordCount != 0;
    state_.Recording = false;
    RecordCount = 0;
    file_.close();
    FileChosen = false;
    if (wasActive) notify();
}

void Recorder::fail(const QString& why) {
    lastError_ = why;
    // The file (if any) is closed with what it holds; the recording ends here, so the
    // sequence number is not raised again on the next ticks.
    state_.Recording = false;
    RecordCount = 0;
    file_.close();
    FileChosen = false;
    notify();
}

bool Recorder::writeRecord(const QStringList& celsiusFields, const QStringList& fahrenheitFields,
                           const HeaderTexts* header) {
    if (!state_.Recording) return false;
    if (!file_.isOpen()) {  // only after a failed split, which already stopped the recording
        fail(lastError_);
        return false;
    }
    if (RecordCount > 0 && RecordCount % kRecordsPerFile == 0) {
        file_.close();
        ++RecordFileSeq;
        QByteArray first;
        if (header) first += EncodeHeaderLines(*header);
        first += EncodeFieldsLine(DataFileHeading(RecordCelsius));
        if (!openFile(ContinuationFileName(RecordFileName, RecordFileSeq), first)) {
            fail(lastError_);
            return false;
        }
    }
    const QByteArray line =
        EncodeDataLine(RecordCount + 1, RecordCelsius ? celsiusFields : fahrenheitFields);
    if (!writeLine(line)) {
        fail(lastError_);
        return false;
    }
    ++RecordCount;
    notify();
    return true;
}

}  // namespace montira
