#pragma once
#include <QFile>
#include <QString>
#include <QStringList>
#include <functional>

#include "core/AppState.h"
#include "core/record/DataFile.h"

namespace montira {

// Recording of samples to a data file. `Recording` itself is program-wide (AppState), since
// the no-data routine ends a recording by clearing it; the next sample tick then brings the
// recorder to its idle state (file closed, count 0).
//
// Every line goes to the file with one write as soon as it is made, so a program killed in
// the middle of a recording leaves a file of complete lines; a line that fails (a full disk)
// is taken back, so the file ends with its last complete line. A recording holds its file
// (an advisory lock): a second recording, in this program or another, is refused at once.
class Recorder {
public:
    explicit Recorder(AppState& state);
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    // The outcome of the save dialog: a cancel leaves the choice as it was; a returned path
    // becomes RecordFileName, and FileChosen tells whether it has a file title.
    void applySaveDialog(bool accepted, const QString& path);

    // Start recording to RecordFileName (after a save dialog that chose a file): the unit is
    // fixed from CelsiusMode, the file is created (replacing any) and gets its heading line.
    // Returns false, idle, when the file cannot be created.
    bool start();
    // Stop recording, also the idle state of every sample tick while nothing is recorded:
    // Recording False, RecordCount 0, the file closed, FileChosen False.
    void stop();

    // Step 3 of a sample tick while recording: opens the next continuation file after every
    // 320000 records (with the header lines when `header` is given), then writes the record.
    // Returns false when the record could not be written; the recording is then stopped
    // and everything written before stays in the files.
    bool writeRecord(const QStringList& celsiusFields, const QStringList& fahrenheitFields,
                     const HeaderTexts* header = nullptr);

    // The recording's title for LblFileName (the first file's, also after a split).
    QString fileTitle() const { return Recording() ? FileTitle(RecordFileName) : QString(); }
    QString currentFilePath() const { return file_.fileName(); }
    bool fileOpen() const { return file_.isOpen(); }
    // Why the last start or write failed: the file and the cause.
    QString lastError() const { return lastError_; }

    bool Recording() const { return state_.Recording; }

    QString RecordFileName;  // full path from the save dialog
    bool FileChosen = false;
    qint64 RecordCount = 0;  // records of the current recording, continuation files included
    int RecordFileSeq = 0;   // number of the current continuation file (0: the first file)
    bool RecordCelsius = true;

    // Runs after every change that the panel shows (LblRec, LblCount, LblFileName, button 1).
    std::function<void()> changed;

private:
    bool openFile(const QString& path, const QByteArray& firstLines);
    bool writeLine(const QByteArray& line);
    void fail(const QString& why);
    void notify() {
        if (changed) changed();
    }

    AppState& state_;
    QFile file_;
    qint64 fileSize_ = 0;  // bytes of complete lines in the current file
    QString lastError_;
};

}  // namespace montira
