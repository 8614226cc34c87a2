#pragma once
#include <QByteArray>

#include "core/link/Exchange.h"
#include "core/link/LinkState.h"
#include "core/link/NoData.h"
#include "core/link/PollHooks.h"
#include "core/meter/FrameScanner.h"
#include "core/meter/LiveFrame.h"

namespace montira {

class MeterLink;

// Frames in a row that fail their start/end check before the poll treats the link as lost
// (a meter that only sends broken frames is as good as silent, and must not leave stale
// values on the panel while a recording goes on). Every 47 bytes without a frame start count
// as one such frame.
constexpr int kPollRejectedFrames = 8;
// No valid frame for this long: the meter is silent and NoDataRoutine takes over.
constexpr qint64 kPollSilenceMs = 6000;
// The newest frame is shown at most this often (about as often as the meter program showed
// one); frames in between are passed over.
constexpr qint64 kPollShowEveryMs = 1000;
// While the meter is silent "Sem comunicação" turns on or off this often.
constexpr qint64 kPollBlinkMs = 250;

// The reader of the live frames, between exchanges: it finds the frames in whatever the
// meter transmits (wherever they start), decodes the newest into `live` and has it shown, and
// runs NoDataRoutine while the meter is silent: blink "Sem comunicação", reopen a closed or
// failed port about every half second, and once a valid frame came, read the meter's clock
// with "G" and set it with "F" when month or day is 0. A command that takes the link suspends
// it; it starts again from the top afterwards (with NoDataRoutine while LinkLost).
class Poll : public Exchange {
public:
    Poll(MeterLink& meter, LinkState& link, LiveState& live);

    PollHooks& hooks() { return hooks_; }

    // Counters for tests and diagnostics.
    int framesShown() const { return framesShown_; }
    int framesRejected() const { return framesRejected_; }
    int noDataRuns() const { return noDataRuns_; }
    bool waitingForMeter() const { return state() >= NoDataRoutine; }

protected:
    void step(qint64 now) override;
    void arrived(qint64 now) override;
    void suspended() override;

private:
    enum {
        Begin,
        Listen,
        Show,
        NoDataRoutine,
        AwaitMeter,
        WaitForFrame,
        ClockHandshake,
        ClockLetter,
        ClockRead,
        ClockSetAnswered,
        ClockSetLetter,
        ClockSetBytes,
        Online
    };
    void listen(qint64 now);
    void show(qint64 now);
    void lost(qint64 now);
    void blink(qint64 now);

    MeterLink& meter_;
    LiveState& live_;
    PollHooks hooks_;
    FrameScanner scanner_;
    LiveFrame newest_{};
    bool haveNewest_ = false;
    qint64 lastShownAt_ = 0;
    qint64 silentAt_ = 0;
    int rejected_ = 0;
    int skipped_ = 0;
    bool visible_ = true;
    qint64 lastOpenTry_ = 0;
    QByteArray clockReply_;
    int framesShown_ = 0;
    int framesRejected_ = 0;
    int noDataRuns_ = 0;
};

}  // namespace montira
