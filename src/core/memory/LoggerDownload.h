#pragma once
#include <functional>

#include "core/AppState.h"
#include "core/link/Clock.h"
#include "core/link/SerialPort.h"
#include "core/meter/LoggerSets.h"
#include "core/meter/MemoryStatus.h"

namespace montira {

// The status loop and the receive loop give up after this long without progress.
constexpr qint64 kLoggerSilenceMs = 10000;

enum class DownloadOutcome {
    Offline,        // MeterOnline was False: nothing was done
    Refused,        // a logging run or another exchange is in progress
    NothingStored,  // the logger holds only its 2048 fixed bytes
    Aborted,        // the meter went silent, the window was closed or the program is closing
    Done,
};

// What the window (or the command line) plugs into the download. Every hook is optional.
struct DownloadHooks {
    std::function<void()> stopPoll;   // the main window's poll timer stops before each exchange
    std::function<void()> startPoll;  // ... and starts again at the end, whatever the end was
    // The status says there are data: show the window. Called once, before "C" is sent.
    std::function<void(const MemoryStatus&)> begin;
    // Bytes received so far (capped at expected) and expected, after every read.
    std::function<void(qint64 received, qint64 expected)> progress;
    // True when the user closed the window: the download aborts at once.
    std::function<bool()> cancelled;
    // The logger is empty: shown before the poll starts again.
    std::function<void()> nothingStored;
    // Every reply loop gives up after this long without progress.
    qint64 silenceMs = kLoggerSilenceMs;
};

// The logger download of the toolbar's "Memory": "c" until a well-formed status reply, then
// "C" and the dump, split into sets into `out`. KeypadBusy is True from the status query to
// the end; at every end but Offline/Refused it is False again and the poll runs.
DownloadOutcome DownloadLogger(SerialPort& port, Clock& clock, AppState& state, LoggerMemory& out,
                               const DownloadHooks& hooks = {});

// Erases the logger: stop the poll, handshake, "D" (written even when the meter did not
// answer within the silence limit), start the poll. No reply is read.
void EraseLogger(SerialPort& port, Clock& clock, LinkState& link,
                 const std::function<void()>& stopPoll = {},
                 const std::function<void()>& startPoll = {});

}  // namespace montira
