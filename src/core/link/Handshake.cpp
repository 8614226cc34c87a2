#include "core/link/Handshake.h"

namespace montira {

SendCommand::SendCommand(LinkState& link, char letter, qint64 silenceMs)
    : Exchange(link), letter_(letter), silenceMs_(silenceMs) {}

void SendCommand::step(qint64 now) {
    switch (state()) {
        case Begin:
            boundSilence(now, silenceMs_);
            handshake(now, Letter);
            return;
        case Letter:
            online_ = answered();
            write(letter_);  // sent even when the meter did not answer
            wait(now, kByteGapMs, Done);
            return;
        default:
            finish();
    }
}

QueryCommand::QueryCommand(LinkState& link, char letter, int minBytes, bool repeat,
                           qint64 silenceMs)
    : Exchange(link),
      letter_(letter),
      minBytes_(minBytes),
      repeat_(repeat),
      silenceMs_(silenceMs) {}

void QueryCommand::step(qint64 now) {
    switch (state()) {
        case Begin:
            if (!link().MeterOnline) return finish();
            boundSilence(now, silenceMs_);
            [[fallthrough]];
        case Ask:
            drop();
            handshake(now, Letter);
            return;
        case Letter:
            online_ = answered();
            if (!online_) return finish();
            ask(now, letter_, Read);
            return;
        default: {
            QByteArray r = take();
            if (r.size() >= minBytes_ || !repeat_) {
                if (r.size() >= minBytes_) reply_ = std::move(r);
                return finish();
            }
            if (quiet(now) || !link().MeterOnline) return finish();
            go(Ask, now);
        }
    }
}

}  // namespace montira
