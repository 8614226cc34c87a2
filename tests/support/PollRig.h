#pragma once
// The poll as the live reader of a meter link on a fake port whose bytes arrive at set times
// of the virtual clock, with its window effects recorded. start() sets it going; the test
// then advances the clock.
#include <QByteArray>
#include <QStringList>
#include <functional>
#include <vector>

#include "core/AppState.h"
#include "core/link/MeterLink.h"
#include "core/link/Poll.h"
#include "core/link/VirtualClock.h"
#include "support/FakePort.h"
#include "support/FrameBuilder.h"

namespace montira::test {

// The far end answers "Q" with "J" and "G" with `clockReply`.
struct PollRig {
    VirtualClock clock;
    FakePort port{&clock};
    AppState state;
    MeterLink link{port, clock, state.link};
    Poll poll{link, state.link, state.live};
    QByteArray clockReply = QByteArray("\x1a\x0c\x06\x0a\x14\x1e", 6);  // 26/12/06 10:20:30
    bool meterAnswers = true;
    QStringList captions;     // LblCOM captions, repeats folded
    QStringList allCaptions;  // every caption set
    qint64 silentAt = -1;     // when "Sem comunicação" was first shown

    PollRig() {
        // A test that goes wrong ends instead of waiting for a frame forever.
        clock.addListener([this](qint64 now) {
            if (now > 600000 && !clock.stopping()) link.stop();
        });
        state.link.PortId = "3";
        state.link.LinkLost = false;
        port.answerDelayMs = 5;
        port.answer = [this](const QByteArray& b) -> QByteArray {
            if (!meterAnswers) return {};
            if (b == "Q") return "J";
            if (b == "G") return clockReply;
            return {};
        };
        PollHooks& h = poll.hooks();
        h.setComCaption = [this](const QString& t) {
            allCaptions << t;
            if (silentAt < 0 && t == "Sem comunicação") silentAt = clock.nowMs();
            if (captions.isEmpty() || captions.back() != t) captions << t;
        };
        // The main window's recorder: a recording the silence ends is over.
        h.stopRecording = [this] { state.Recording = false; };
    }

    ~PollRig() { link.setLive(nullptr); }
    void start() { link.setLive(&poll); }
    // Starts and advances until `n` frames were shown (false after `limitMs`).
    bool showFrames(int n, qint64 limitMs = 60000) {
        if (!link.liveRunning()) start();
        return clock.advanceUntil([&] { return poll.framesShown() >= n; }, limitMs);
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
