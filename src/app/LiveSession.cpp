#include "app/LiveSession.h"

#include <QFileInfo>

namespace montira {

LiveSession::LiveSession(AppState& state, SerialPort& port, Clock& clock, QObject* parent)
    : QObject(parent),
      state_(state),
      port_(port),
      clock_(clock),
      poll_(port, clock, state.link, state.live),
      link_(port, clock, state.link),
      recorder_(state),
      ticker_(state, recorder_),
      list_(state, ticker_) {
    timer1_.setObjectName(QStringLiteral("Timer1"));
    timer1_.setInterval(kPollMs);
    connect(&timer1_, &QTimer::timeout, this, [this] { timer1Tick(); });
    timer2_.setObjectName(QStringLiteral("Timer2"));
    timer2_.setInterval(kSampleMs);
    connect(&timer2_, &QTimer::timeout, this, [this] { timer2Tick(); });

    link_.pollSwitch = [this](bool on) { on ? startPoll() : stopPoll(); };
    // NoDataRoutine stops and starts Timer1 itself.
    poll_.hooks().setTimerEnabled = [this](bool on) { on ? startPoll() : timer1_.stop(); };
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
    clock_.requestStop();
}

void LiveSession::start() {
    state_.link.LinkLost = true;
    state_.link.KeypadBusy = false;
    startSampling();
    startPoll();
}

void LiveSession::stop() {
    clock_.requestStop();
    timer1_.stop();
    timer2_.stop();
    recorder_.stop();
}

void LiveSession::startPoll() {
    if (!clock_.stopping() && !link_.taken()) timer1_.start();
}

void LiveSession::stopPoll() {
    timer1_.stop();
    poll_.interrupt();
}

void LiveSession::startSampling() {
    if (!clock_.stopping()) timer2_.start();
}

void LiveSession::stopSampling() {
    timer2_.stop();
}

void LiveSession::timer2Tick(const QDateTime& now) {
    if (inTimer2_ || clock_.stopping()) return;
    inTimer2_ = true;
    ticker_.tick(now);
    inTimer2_ = false;
}

}  // namespace montira
