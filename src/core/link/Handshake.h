#pragma once
#include <QByteArray>

#include "core/link/Exchange.h"

namespace montira {

// Handshake, the command letter, then 50 ms. The letter goes out even when the handshake
// went unanswered, as the meter program always sent it; online() says whether it answered.
// With a silence bound the handshake gives up after that long.
class SendCommand : public Exchange {
public:
    SendCommand(LinkState& link, char letter, qint64 silenceMs = kNever);
    bool online() const { return online_; }

protected:
    void step(qint64 now) override;

private:
    enum { Begin, Letter, Done };
    char letter_;
    qint64 silenceMs_;
    bool online_ = false;
};

// Handshake, drop what came, the letter, 50 ms, and the reply; asked again (from the
// handshake on) while the reply holds fewer than `minBytes` bytes, until the silence bound.
// Nothing is written when the handshake goes unanswered, and nothing at all to a meter that
// is not online. reply() is empty unless a long enough reply came.
class QueryCommand : public Exchange {
public:
    QueryCommand(LinkState& link, char letter, int minBytes = 1, bool repeat = true,
                 qint64 silenceMs = kExchangeSilenceMs);
    const QByteArray& reply() const { return reply_; }
    // The handshake was answered (the reply may still be short when not repeated).
    bool online() const { return online_; }

protected:
    void step(qint64 now) override;

private:
    enum { Begin, Ask, Letter, Read };
    char letter_;
    int minBytes_;
    bool repeat_;
    qint64 silenceMs_;
    bool online_ = false;
    QByteArray reply_;
};

}  // namespace montira
