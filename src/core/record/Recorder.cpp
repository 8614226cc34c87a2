#include "core/record/Recorder.h"

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
    // Unbuffered: each line is one write to the system, nothing waits in the process.
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        lastError_ = file_.errorString();
        return false;
    }
    return writeLine(firstLines);
}

bool Recorder::writeLine(const QByteArray& line) {
    if (file_.write(line) != line.size()) {
        lastError_ = file_.errorString();
        return false;
    }
    return true;
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
