#include "core/link/Handshake.h"

#include "core/meter/Commands.h"

namespace montira {

namespace {

// A port that is closed or whose device vanished cannot carry a handshake: trying 10000
// times would only keep the window waiting for 500 s.
bool PortUsable(const SerialPort& port) {
    return port.isOpen() && !port.failed();
}

}  // namespace

bool AttentionHandshake(SerialPort& port, Clock& clock, LinkState& state) {
    state.MeterOnline = true;
    for (int n = 1;; ++n) {
        port.readAll();  // whatever arrived so far (tail of a live frame) is dropped
        port.write(QByteArray(1, cmd::Attention));
        clock.delay(0.05);
        const QByteArray s = port.readAll();
        if (n > kHandshakeAttempts || clock.stopping() || !PortUsable(port)) {
            state.MeterOnline = false;
            return false;  // no final wait
        }
        // Only the last byte counts: "…J" is ready, "J\r" is not.
        if (!s.isEmpty() && s.back() == cmd::AttentionReply) break;
    }
    clock.delay(0.05);
    return true;
}

bool SendCommand(SerialPort& port, Clock& clock, LinkState& state, char letter) {
    AttentionHandshake(port, clock, state);
    port.write(QByteArray(1, letter));  // sent even when the meter did not answer
    clock.delay(0.05);
    return state.MeterOnline;
}

QByteArray QueryCommand(SerialPort& port, Clock& clock, LinkState& state, char letter) {
    AttentionHandshake(port, clock, state);
    port.readAll();
    port.write(QByteArray(1, letter));
    clock.delay(0.05);
    return port.readAll();
}

}  // namespace montira
