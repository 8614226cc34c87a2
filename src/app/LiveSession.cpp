#include "app/LiveSession.h"

#include <QFileInfo>

namespace montira {

LiveSession::LiveSession(AppState& state, SerialPort& port, Clock& clock, QObject* parent)
    : QObject(parent),
      state_(state),
      port_(port),
      clock_(clock),
      link_(port, clock, state.link),
      poll_(link_, state.link, state.live),
      recorder_(state),
      ticker_(state, recorder_),
      list_(state, ticker_) {
    timer2_.setObjectName(QStringLiteral("Timer2"));
    timer2_.setInterval(kSampleMs);
    connect(&timer2_, &QTimer::timeout, this, [this] { timer2Tick(); });

    // The meter went silent: the file is closed now, not at the next sample tick (which can
    // be hours away with a long interval).
    poll_.hooks().stopRecording = [this] {
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
