#pragma once
#include <QByteArray>
#include <QString>
#include <functional>

#include "core/link/Clock.h"
#include "core/link/LinkState.h"
#include "core/link/PollHooks.h"
#include "core/link/SerialPort.h"

namespace montira {

// How NoDataRoutine ended.
enum class NoDataResult {
    Online,       // a valid frame came and the meter's clock was checked
    Interrupted,  // a command took the port (the poll was stopped from outside)
    Stopping,     // the program is closing
};

// While the meter is silent the port is reopened no more often than this.
constexpr int kReopenEveryMs = 500;
// The clock check gives up on a meter that stops answering the handshake after this long and
// goes back to waiting for frames.
constexpr int kClockCheckHandshakeMs = 5000;

struct NoDataContext {
    SerialPort& port;
    Clock& clock;
    LinkState& link;
    const PollHooks& hooks;
    // True once someone else took the port; the routine then gives up at its next wait.
    std::function<bool()> interrupted;
};

// Blinks "Sem comunicação" until a valid frame arrives (reopening a closed or failed port
// about every half second), then reads the meter's clock with "G" and, when month or day is
// 0, sets it with "F". Leaves LblCOM visible with "COM " + identifier when it is done.
NoDataResult NoDataRoutine(NoDataContext& ctx);
// "Sem comunicação" in the user's language: LblCOM while the meter is silent.
QString NoLinkCaption();

// The clock reply of "G": bytes 1-6 are year, month, day, hour, minute, second.
// True when month or day is 0 (the clock was never set). A reply shorter than six bytes is
// not a clock and asks for nothing.
bool ClockNeedsSetting(const QByteArray& reply);
// The six bytes that "F" sends back: year, 1, 1, hour, minute, second.
QByteArray ClockRepairBytes(const QByteArray& reply);

}  // namespace montira
