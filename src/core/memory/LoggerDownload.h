#pragma once
#include <functional>
#include <optional>

#include "core/AppState.h"
#include "core/link/Exchange.h"
#include "core/memory/DumpReceiver.h"
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
    // The logger is empty.
    std::function<void()> nothingStored;
    // Every reply loop gives up after this long without progress.
    qint64 silenceMs = kLoggerSilenceMs;
};

// Offline or Refused when the download may not start now (the meter is not answering, it
// logs, or another exchange runs); nothing otherwise.
std::optional<DownloadOutcome> DownloadRefusal(const AppState& state);

// The logger download of the toolbar's "Memory": "c" until a well-formed status reply, then
// "C" and the dump, split into sets into `out`. The dump ends where a live frame begins
// inside it (DumpReceiver), never at a pause. Abandoned (window closed, program closing):
// Aborted.
class DownloadLogger : public Exchange {
public:
    DownloadLogger(LinkState& link, LoggerMemory& out, DownloadHooks hooks = {});
    DownloadOutcome outcome() const { return outcome_; }

protected:
    void step(qint64 now) override;
    void arrived(qint64 now) override;

private:
    enum { Begin, Status, StatusLetter, StatusRead, DumpLetter, Receive };
    void end(DownloadOutcome o);
    void check(qint64 now);
    LoggerMemory& out_;
    DownloadHooks hooks_;
    std::optional<DumpReceiver> dump_;
    DownloadOutcome outcome_ = DownloadOutcome::Aborted;
};

// The one erase exchange of the toolbar, the memory window and the command line: the
// attention handshake (given up after `silenceMs` of silence), then "D" — sent only to a
// meter that answered. No reply is read. sent() when "D" went out.
class EraseLogger : public Exchange {
public:
    explicit EraseLogger(LinkState& link, qint64 silenceMs = kLoggerSilenceMs);
    bool sent() const { return sent_; }

protected:
    void step(qint64 now) override;

private:
    qint64 silenceMs_;
    bool sent_ = false;
};

}  // namespace montira
