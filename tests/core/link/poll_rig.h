#pragma once
// A serial port whose incoming bytes arrive at set times of the virtual clock, and a poll
// wired to it with its window effects recorded.
#include <QByteArray>
#include <QStringList>
#include <functional>
#include <vector>

#include "core/AppState.h"
#include "core/link/SerialPort.h"
#include "core/link/VirtualClock.h"
#include "core/link/Poll.h"
#include "support/FrameBuilder.h"

namespace montira::test {

class TimedPort : public SerialPort {
public:
    explicit TimedPort(const Clock& clock) : clock_(clock) {}

    // Bytes the meter sends at `ms`.
    void at(qint64 ms, const QByteArray& b) { due_.push_back({ms, b}); }
    // The same frame every `periodMs` from `fromMs` to `toMs`.
    void every(qint64 fromMs, qint64 toMs, qint64 periodMs, const QByteArray& b) {
        for (qint64 t = fromMs; t <= toMs; t += periodMs) at(t, b);
    }

    OpenOutcome open(QString* reason = nullptr) override {
        ++opens;
        if (!available) {
            if (reason) *reason = QStringLiteral("gone");
            return OpenOutcome::Missing;
        }
        open_ = true;
        failedFlag = false;
        return OpenOutcome::Opened;
    }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    int bytesWaiting() override {
        release();
        return int(inbox_.size());
    }
    QByteArray readAll() override {
        release();
        QByteArray b;
        b.swap(inbox_);
        return b;
    }
    void write(const QByteArray& bytes) override {
        if (!open_) return;
        writes.push_back(bytes);
        if (onWrite) onWrite(bytes, clock_.nowMs());
    }
    void clear() override {
        release();
        inbox_.clear();
    }
    bool failed() const override { return failedFlag; }

    bool available = true;
    bool failedFlag = false;
    int opens = 0;
    std::vector<QByteArray> writes;
    std::function<void(const QByteArray&, qint64)> onWrite;

private:
    void release() {
        const qint64 now = clock_.nowMs();
        for (auto it = due_.begin(); it != due_.end();) {
            if (it->first <= now) {
                if (open_) inbox_ += it->second;  // bytes sent to a closed port are lost
                it = due_.erase(it);
            } else {
                ++it;
            }
        }
    }
    const Clock& clock_;
    bool open_ = true;
    QByteArray inbox_;
    std::vector<std::pair<qint64, QByteArray>> due_;
};

// A poll on a TimedPort whose far end answers "Q" with "J" and "G" with `clockReply`.
struct PollRig {
    VirtualClock clock;
    TimedPort port{clock};
    AppState state;
    Poll poll{port, clock, state};
    QByteArray clockReply = QByteArray("\x1a\x0c\x06\x0a\x14\x1e", 6);  // 26/12/06 10:20:30
    bool meterAnswers = true;
    QStringList captions;     // LblCOM captions, repeats folded
    QStringList allCaptions;  // every caption set
    int timerOn = 0, timerOff = 0;

    PollRig() {
        // A test that goes wrong ends instead of waiting for a frame forever.
        clock.addListener([this](qint64 now) {
            if (now > 600000) clock.requestStop();
        });
        state.PortId = "3";
        state.link.LinkLost = false;
        port.onWrite = [this](const QByteArray& b, qint64 now) {
            if (!meterAnswers) return;
            if (b == "Q") port.at(now + 5, "J");
            if (b == "G") port.at(now + 5, clockReply);
        };
        PollHooks& h = poll.hooks();
        h.setComCaption = [this](const QString& t) {
            allCaptions << t;
            if (captions.isEmpty() || captions.back() != t) captions << t;
        };
        h.setTimerEnabled = [this](bool on) { ++(on ? timerOn : timerOff); };
    }

    // Everything written after the first `letter`, one write per element.
    std::vector<QByteArray> writesAfter(char letter) const {
        std::vector<QByteArray> out;
        bool seen = false;
        for (const QByteArray& w : port.writes) {
            if (seen) out.push_back(w);
            if (w == QByteArray(1, letter)) seen = true;
        }
        return out;
    }
    bool wrote(char letter) const {
        for (const QByteArray& w : port.writes)
            if (w == QByteArray(1, letter)) return true;
        return false;
    }
};

}  // namespace montira::test
