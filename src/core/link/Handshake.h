#pragma once
#include "core/link/Clock.h"
#include "core/link/LinkState.h"
#include "core/link/SerialPort.h"

namespace montira {

// Number of Q attempts before the handshake gives up (about 500 s of 50 ms waits).
constexpr int kHandshakeAttempts = 10000;

// The attention handshake before every command: sends "Q" until a reply whose last byte is
// 'J' comes back. Leaves the outcome in state.MeterOnline and returns it. Gives up after
// 10000 failed attempts (then without the final wait), or at once when the clock is stopping
// or the port is closed or failed.
bool AttentionHandshake(SerialPort& port, Clock& clock, LinkState& state);

// Handshake, then the command letter, then Delay(0.05). Returns MeterOnline.
bool SendCommand(SerialPort& port, Clock& clock, LinkState& state, char letter);

// Handshake, command letter, Delay(0.05), then returns what the meter sent back.
QByteArray QueryCommand(SerialPort& port, Clock& clock, LinkState& state, char letter);

}  // namespace montira
