#include "core/record/SampleTick.h"

namespace montira {

SampleTicker::SampleTicker(AppState& state, Recorder& recorder)
    : state_(state), recorder_(recorder) {}

bool SampleTicker::tick(const QDateTime& now) {
    if (state_.SampleTick != 0 && state_.SampleTick < state_.SampleInterval) {
        ++state_.SampleTick;
        return false;
    }
    const Reading& r = state_.live.reading;
    const QString stamp = TimeStampText(now);
    const QStringList celsius = SampleFields(stamp, r, true);
    const QStringList fahrenheit = SampleFields(stamp, r, false);
    HeaderTexts header;
    const bool withHeader = state_.HeaderOn && headerTexts;
    if (withHeader) header = headerTexts();

    if (state_.Recording) {
        if (!recorder_.writeRecord(celsius, fahrenheit, withHeader ? &header : nullptr) &&
            recordError)
            recordError(RecordErrorText() + u' ' + recorder_.lastError());
    } else {
        recorder_.stop();
    }
    samples_.notify(Sample{now, r, celsius, fahrenheit, withHeader ? &header : nullptr});
    state_.SampleTick = 1;
    return true;
}

}  // namespace montira
