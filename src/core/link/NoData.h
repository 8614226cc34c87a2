#pragma once
#include <QByteArray>
#include <QString>

namespace montira {

// While the meter is silent the port is reopened no more often than this.
constexpr int kReopenEveryMs = 500;
// The clock check gives up on a meter that stops answering the handshake after this long and
// goes back to waiting for frames.
constexpr int kClockCheckHandshakeMs = 5000;

// "Sem comunicação" in the user's language: LblCOM while the meter is silent.
QString NoLinkCaption();

// The clock reply of "G": bytes 1-6 are year, month, day, hour, minute, second.
// True when month or day is 0 (the clock was never set). A reply shorter than six bytes is
// not a clock and asks for nothing.
bool ClockNeedsSetting(const QByteArray& reply);
// The six bytes that "F" sends back: year, 1, 1, hour, minute, second.
QByteArray ClockRepairBytes(const QByteArray& reply);

}  // namespace montira
