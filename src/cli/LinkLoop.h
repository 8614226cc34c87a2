#pragma once
#include <QtGlobal>

namespace montira {
class Exchange;
class MeterLink;
class Poll;
}  // namespace montira

namespace montira::cli {

// The command line's only event loop, run from the top of a command: it lets the meter link
// read the port and ring its alarms until what the command waits for has happened.

// Runs `ex` on `link` to its end (every exchange bounds its own silences). False when the
// link refused it (another exchange runs, or the program is closing).
bool RunExchange(MeterLink& link, Exchange& ex);

// Runs `poll` as the link's live reader until it shows a frame or `timeoutMs` passes, and
// stops it again. True when a frame was shown.
bool AwaitFrame(MeterLink& link, Poll& poll, qint64 timeoutMs);

}  // namespace montira::cli
