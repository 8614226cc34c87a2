#pragma once
#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <functional>

#include "core/AppState.h"
#include "core/Subscribers.h"
#include "core/record/DataFile.h"
#include "core/record/Recorder.h"

namespace montira {

// One sample as the sample tick hands it to the windows that follow the readings.
struct Sample {
    QDateTime time;
    const Reading& reading;
    QStringList celsius, fahrenheit;  // fields 2 to 12 of its data line in each unit
    const HeaderTexts* header;        // the name/sector/company texts while HeaderOn
};

// The main window's Timer2 tick (every 980 ms): counts SampleInterval ticks and, at each
// sample tick, writes a record while recording and hands the sample to every window that
// follows the readings (the live list, the work-load averages, the chart) while it is open.
class SampleTicker {
public:
    SampleTicker(AppState& state, Recorder& recorder);

    using Subscription = Subscribers<const Sample&>::Subscription;
    // A window follows the samples for as long as it keeps the subscription.
    [[nodiscard]] Subscription subscribe(std::function<void(const Sample&)> onSample) {
        return samples_.join(std::move(onSample));
    }

    // One tick of Timer2 at time `now` (the time stamp of a sample). Returns true when it was
    // a sample tick. Re-entry (a nested event loop inside a hook) is ignored.
    bool tick(const QDateTime& now);

    // Texts of the name/sector/company window; asked only while HeaderOn.
    std::function<HeaderTexts()> headerTexts;
    // A record could not be written: the recording has stopped; the text is for the user
    // ("Erro!Registrando!", the file and the cause).
    std::function<void(const QString& message)> recordError;

    static QString RecordErrorText() {
        return QCoreApplication::translate("montira", "Erro!Registrando!");
    }

private:
    AppState& state_;
    Recorder& recorder_;
    Subscribers<const Sample&> samples_;
};

}  // namespace montira
