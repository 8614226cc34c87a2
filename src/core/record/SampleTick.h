#pragma once
#include <QDateTime>
#include <QString>
#include <functional>

#include "core/AppState.h"
#include "core/record/DataFile.h"
#include "core/record/LiveListFeed.h"
#include "core/record/Recorder.h"

namespace montira {

// The main window's Timer2 tick (every 980 ms): counts SampleInterval ticks and, at each
// sample tick, writes a record while recording, feeds the live list while it is open and
// adds the WBGT values to the work-load averages while that window is open.
class SampleTicker {
public:
    SampleTicker(AppState& state, Recorder& recorder, LiveListFeed& list);

    // One tick of Timer2 at time `now` (the time stamp of a sample). Returns true when it was
    // a sample tick. Re-entry (a nested event loop inside a hook) is ignored.
    bool tick(const QDateTime& now);

    // Texts of the name/sector/company window; asked only while HeaderOn.
    std::function<HeaderTexts()> headerTexts;
    // A record could not be written: the recording has stopped; the text is for the user.
    std::function<void(const QString& message)> recordError;
    // The work-load averages changed (its labels follow).
    std::function<void()> averagesChanged;

    static QString RecordErrorText() { return QStringLiteral("Erro!Registrando!"); }

private:
    AppState& state_;
    Recorder& recorder_;
    LiveListFeed& list_;
    bool inTick_ = false;
};

}  // namespace montira
