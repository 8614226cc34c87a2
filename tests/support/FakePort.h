#pragma once
// The serial port of every test that scripts the meter's side byte by byte. Bytes reach the
// computer in three ways: at once as the reply to a write (the "Q" script, or `answer` for
// any write, optionally `answerDelayMs` later on the clock), at set times of the clock (`at`,
// `every`), or as a stream of `chunk` bytes every millisecond (a logger dump). Each arrival is
// announced through readyRead, as a real port does. Bytes sent to a closed port are lost.
// Everything written is kept, whole and write by write.
#include <QByteArray>
#include <QList>
#include <functional>
#include <utility>
#include <vector>

#include "core/link/SerialPort.h"
#include "core/link/VirtualClock.h"

namespace montira::test {

class FakePort : public SerialPort {
public:
    explicit FakePort(VirtualClock* clock = nullptr) : clock_(clock) {
        if (clock_) listener_ = clock_->addListener([this](qint64) { tick(); });
    }
    ~FakePort() override {
        if (clock_) clock_->removeListener(listener_);
    }
    FakePort(const FakePort&) = delete;
    FakePort& operator=(const FakePort&) = delete;

    // --- the meter's side
    QList<QByteArray> qReplies;  // replies to the next "Q"s, in order
    QByteArray qDefault;         // reply once the list is used up ("" = silence)
    // Reply to any write the "Q" script does not take ("Q" too when the script is empty).
    std::function<QByteArray(const QByteArray&)> answer;
    qint64 answerDelayMs = 0;  // > 0: the reply arrives that much later on the clock

    void arrive(const QByteArray& b) {
        if (!open_ || b.isEmpty()) return;
        inbox_ += b;
        notifyReadyRead();
    }
    void at(qint64 ms, const QByteArray& b) { due_.push_back({ms, b}); }
    void every(qint64 fromMs, qint64 toMs, qint64 periodMs, const QByteArray& b) {
        for (qint64 t = fromMs; t <= toMs; t += periodMs) at(t, b);
    }
    // From now on `chunk` bytes of `bytes` arrive every millisecond.
    void stream(const QByteArray& bytes, int chunk) {
        stream_ = bytes;
        streamAt_ = 0;
        chunk_ = chunk;
    }

    // --- the port itself
    OpenOutcome openOutcome = OpenOutcome::Opened;  // what the next open() gives
    bool failedFlag = false;
    int opens = 0;
    int attentions = 0;  // "Q"s written
    QByteArray written;
    std::vector<QByteArray> writes;
    std::vector<qint64> writeTimes;  // the clock's time of each write (with a clock)

    void closeNow() { open_ = false; }
    // The device fails under the program (adapter pulled out).
    void failNow() {
        failedFlag = true;
        notifyReadyRead();
    }

    OpenOutcome open(QString* reason = nullptr) override {
        ++opens;
        if (openOutcome != OpenOutcome::Opened) {
            if (reason) *reason = QStringLiteral("porta ocupada");
            return openOutcome;
        }
        open_ = true;
        failedFlag = false;
        return OpenOutcome::Opened;
    }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    int bytesWaiting() override { return int(inbox_.size()); }
    QByteArray readAll() override {
        QByteArray b;
        b.swap(inbox_);
        return b;
    }
    void write(const QByteArray& bytes) override {
        if (!open_) return;
        written += bytes;
        writes.push_back(bytes);
        if (clock_) writeTimes.push_back(clock_->nowMs());
        if (bytes == "Q") ++attentions;
        if (bytes == "Q" && (!qReplies.isEmpty() || !qDefault.isEmpty())) {
            arrive(qReplies.isEmpty() ? qDefault : qReplies.takeFirst());
            return;
        }
        if (!answer) return;
        const QByteArray reply = answer(bytes);
        if (answerDelayMs > 0 && clock_)
            at(clock_->nowMs() + answerDelayMs, reply);
        else
            arrive(reply);
    }
    void clear() override { inbox_.clear(); }
    bool failed() const override { return failedFlag; }

private:
    void tick() {
        // Taken out first: an arrival may lead to a write whose reply is due later.
        const qint64 now = clock_->nowMs();
        QByteArray b;
        for (auto it = due_.begin(); it != due_.end();) {
            if (it->first <= now) {
                b += it->second;
                it = due_.erase(it);
            } else {
                ++it;
            }
        }
        arrive(b);
        const int n = std::max(0, std::min<int>(chunk_, int(stream_.size()) - streamAt_));
        if (n > 0) {
            const QByteArray b = stream_.mid(streamAt_, n);
            streamAt_ += n;
            arrive(b);
        }
    }
    VirtualClock* clock_;
    int listener_ = 0;
    bool open_ = true;
    QByteArray inbox_;
    std::vector<std::pair<qint64, QByteArray>> due_;
    QByteArray stream_;
    int streamAt_ = 0;
    int chunk_ = 0;
};

}  // namespace montira::test
