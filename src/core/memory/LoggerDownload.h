#pragma once
#include <functional>

#include "core/AppState.h"
#include "core/link/MeterLink.h"
#include "core/meter/LoggerSets.h"
#include "core/meter/MemoryStatus.h"

namespace montira {

// The status loop and the receive loop give up after this long without progress.
constexpr qint64 kLoggerSilenceMs = 10000;

enum class DownloadOutcome {
    Offline,        // MeterOnline was False: nothing was done
    Refused,        // a logging run or another exchange is in progress
    NothingStored,  // the logger holds only its 2048 fixed bytes
    Aborted,        // the status went unanswered, the window was closed or the program is closing
    Cut,            // the dump stopped short: live frames came where it should go on, or the
                    // meter fell silent or went away in the middle; nothing is kept
    Done,
};

// What the window (or the command line) plugs into the download. Every hook is optional.
struct DownloadHooks {
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
// "C" and the dump, split into sets into `out`. It holds the meter link from the status query
// to the end (the poll pauses), with KeypadBusy True; at every end but Offline/Refused
// KeypadBusy is False again and the poll runs. hooks.silenceMs bounds every wait for the meter.
// The dump ends where a live frame begins inside it (DumpReceiver), never at a pause.
DownloadOutcome DownloadLogger(MeterLink& link, AppState& state, LoggerMemory& out,
                               const DownloadHooks& hooks = {});

// The one erase exchange of the toolbar, the memory window and the command line: holding the
// link, the attention handshake (given up after `silenceMs` of silence), then "D" — sent only
// to a meter that answered. No reply is read. True when "D" went out.
bool EraseLogger(MeterLink& link, qint64 silenceMs = kLoggerSilenceMs);

}  // namespace montira
