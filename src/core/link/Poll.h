#pragma once
#include <QByteArray>

#include "core/link/Clock.h"
#include "core/link/LinkState.h"
#include "core/link/NoData.h"
#include "core/link/PollHooks.h"
#include "core/link/SerialPort.h"
#include "core/meter/FrameScanner.h"
#include "core/meter/LiveFrame.h"

namespace montira {

// Read attempts of one tick that may come back short before the tick gives the link up.
constexpr int kPollRetries = 3;
// Frames in a row that fail their start/end check before the tick treats the link as lost
// (a meter that only sends broken frames is as good as silent, and must not leave stale
// values on the panel while a recording goes on). A read attempt that brings a frame's worth
// of bytes or more without a frame start counts as one such frame.
constexpr int kPollRejectedFrames = 8;

// The work of the main window's poll timer (Timer1): find the live frames in what the meter
// transmits (wherever they start), decode the newest into `live` and have it shown; run
// NoDataRoutine when the meter is silent. Works on the seams only, so tests drive it on the
// virtual clock.
class Poll {
public:
    Poll(SerialPort& port, Clock& clock, LinkState& link, LiveState& live);

    // One Timer1 tick. Never re-enters itself: a tick that is already running (waiting
    // inside a delay) makes further calls return at once.
    void tick();
    // A command takes the port: the tick in progress gives up at its next wait without
    // reading the port again. The caller stops Timer1 itself.
    void interrupt() { ++interruptions_; }
    bool running() const { return running_; }

    PollHooks& hooks() { return hooks_; }

    // Counters for tests and diagnostics.
    int framesShown() const { return framesShown_; }
    int framesRejected() const { return framesRejected_; }
    int noDataRuns() const { return noDataRuns_; }

private:
    enum class Collected { Frame, Short, Rejected, Leave, Failed };
    Collected collect(LiveFrame& frame, int& rejected, int generation);
    NoDataResult runNoData(int generation);
    void errorPath();
    void tickBody();
    bool leaving(int generation) const;

    SerialPort& port_;
    Clock& clock_;
    LinkState& link_;
    LiveState& live_;
    PollHooks hooks_;
    FrameScanner scanner_;
    bool running_ = false;
    int interruptions_ = 0;
    int framesShown_ = 0;
    int framesRejected_ = 0;
    int noDataRuns_ = 0;
};

}  // namespace montira
