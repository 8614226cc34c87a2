#pragma once
#include <QDateTime>
#include <QObject>
#include <QTimer>
#include <functional>

#include "app/LiveEvent.h"
#include "core/AppState.h"
#include "core/link/Clock.h"
#include "core/link/MeterLink.h"
#include "core/link/Poll.h"
#include "core/link/SerialPort.h"
#include "core/record/LiveListFeed.h"
#include "core/record/Recorder.h"
#include "core/record/SampleTick.h"

namespace montira {

// A recording that the no-data routine ended: when, the file it was writing, and how many
// records it holds (continuation files included).
struct RecordingStop {
    QDateTime when;
    QString file;       // the file being written when it stopped
    QString firstFile;  // the first file, when continuation files followed it
    qint64 records = 0;
};

// The live session that the main window and `montira-cli record` share: the one owner of
// the meter link, with the poll reading the frames between exchanges as they arrive, and the
// sample tick on Timer2 (980 ms) that records them and hands them to the windows that follow
// the readings.
class LiveSession : public QObject {
public:
    static constexpr int kSampleMs = 980;

    LiveSession(AppState& state, SerialPort& port, Clock& clock, QObject* parent = nullptr);
    ~LiveSession() override;

    AppState& state() { return state_; }
    Clock& clock() { return clock_; }
    Poll& poll() { return poll_; }
    MeterLink& link() { return link_; }
    Recorder& recorder() { return recorder_; }
    SampleTicker& ticker() { return ticker_; }
    LiveListFeed& liveList() { return list_; }
    QTimer* timer2() { return &timer2_; }

    // The poll and Timer2 run, the poll first waiting for the meter (LinkLost).
    void start();
    // Both stop and the exchange in progress ends (the program is closing).
    void stop();

    // Timer2.
    void startSampling();
    void stopSampling();

    // One sample tick at `now` (the timer calls it; tests call it on the virtual clock).
    void timer2Tick(const QDateTime& now = QDateTime::currentDateTime());

    // A window follows the live events for as long as it keeps the subscription.
    [[nodiscard]] LiveFollowers::Subscription follow(std::function<void(const LiveEvent&)> f) {
        return followers_.join(std::move(f));
    }

    // The meter went silent during a recording, which is now stopped (it does not resume by
    // itself when the frames return).
    std::function<void(const RecordingStop&)> onRecordingLost;
    // The wall clock of the stop's time (tests set it).
    std::function<QDateTime()> wallClock = [] { return QDateTime::currentDateTime(); };

private:
    AppState& state_;
    Clock& clock_;
    MeterLink link_;
    Poll poll_;
    Recorder recorder_;
    SampleTicker ticker_;
    LiveListFeed list_;
    QTimer timer2_;
    LiveFollowers followers_;
    SampleTicker::Subscription samples_;
    QString caption_;
    bool captionVisible_ = true;
};

}  // namespace montira
