#include "app/LiveSession.h"

#include <QFileInfo>

namespace montira {

LiveSession::LiveSession(AppState& state, SerialPort& port, Clock& clock, QObject* parent)
    : QObject(parent),
      state_(state),
      clock_(clock),
      link_(port, clock, state.link),
      poll_(link_, state.link, state.live),
      recorder_(state),
      ticker_(state, recorder_),
      list_(state, ticker_) {
    timer2_.setObjectName(QStringLiteral("Timer2"));
    timer2_.setInterval(kSampleMs);
    connect(&timer2_, &QTimer::timeout, this, [this] { timer2Tick(); });

    PollHooks& h = poll_.hooks();
    h.setComCaption = [this](const QString& t) {
        caption_ = t;
        followers_.notify({LiveEvent::Caption, caption_, captionVisible_, nullptr});
    };
    h.setComVisible = [this](bool on) {
        captionVisible_ = on;
        followers_.notify({LiveEvent::Caption, caption_, captionVisible_, nullptr});
    };
    h.showValues = [this] { followers_.notify({LiveEvent::Frame, {}, true, nullptr}); };
    h.closeLiveWindows = [this] { followers_.notify({LiveEvent::Silent, {}, true, nullptr}); };
    h.closeKeypad = h.closeLiveWindows;
    samples_ = ticker_.subscribe([this](const Sample& s) {
        followers_.notify({LiveEvent::Sample, {}, true, &s});
    });
    // The meter went silent: the file is closed now, not at the next sample tick (which can
    // be hours away with a long interval).
    h.stopRecording = [this] {
        if (!state_.Recording) {
            recorder_.stop();
            return;
        }
        RecordingStop stop;
        stop.when = wallClock();
        stop.file = QFileInfo(recorder_.currentFilePath()).absoluteFilePath();
        if (recorder_.RecordFileSeq > 0)
            stop.firstFile = QFileInfo(recorder_.RecordFileName).absoluteFilePath();
        stop.records = recorder_.RecordCount;
        recorder_.stop();
        if (onRecordingLost) onRecordingLost(stop);
    };
}

LiveSession::~LiveSession() {
    link_.stop();
    link_.setLive(nullptr);
}

void LiveSession::start() {
    state_.link.LinkLost = true;
    state_.link.KeypadBusy = false;
    startSampling();
    link_.setLive(&poll_);
}

void LiveSession::stop() {
    link_.stop();
    timer2_.stop();
    recorder_.stop();
}

void LiveSession::startSampling() {
    if (!clock_.stopping()) timer2_.start();
}

void LiveSession::stopSampling() {
    timer2_.stop();
}

void LiveSession::timer2Tick(const QDateTime& now) {
    if (!clock_.stopping()) ticker_.tick(now);
}

}  // namespace montira
