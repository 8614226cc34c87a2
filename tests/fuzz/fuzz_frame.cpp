// Fuzz target for frame collection and decoding. The input is a script of what the meter
// sends: chunks of (delay in 8 ms steps, length, bytes). Two poll ticks gather frames from
// it on the virtual clock; each tick must end within its bounds and show only frames that
// start with FF AA and end with 03. Every 47-byte window of the input is also decoded
// directly: texts stay short and the numbers of a shown value are finite.
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "core/meter/LiveFrame.h"
#include "support/PollRig.h"

namespace {

using namespace montira;

void CheckText(const QString& t) {
    if (t.size() > 12 || t.contains(u"nan", Qt::CaseInsensitive) ||
        t.contains(u"inf", Qt::CaseInsensitive))
        std::abort();
}

void CheckReading(const Reading& r) {
    for (const QString* t : {&r.GlobeText,
                             &r.GlobeTextF,
                             &r.DryText,
                             &r.DryTextF,
                             &r.WetText,
                             &r.WetTextF,
                             &r.RHText,
                             &r.DewText,
                             &r.DewTextF,
                             &r.HeatIndexText,
                             &r.HeatIndexTextF,
                             &r.HumidexText,
                             &r.HumidexTextF,
                             &r.WbgtIndoorText,
                             &r.WbgtIndoorTextF,
                             &r.WbgtOutdoorText,
                             &r.WbgtOutdoorTextF,
                             &r.AirSpeedText,
                             &r.AirSpeedTextFtMin,
                             &r.WindChillText,
                             &r.WindChillTextF})
        CheckText(*t);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray all(reinterpret_cast<const char*>(data), qsizetype(size));

    LiveState direct;
    for (qsizetype i = 0; i + kLiveFrameLength <= all.size() && i < 64; ++i) {
        const QByteArray w = all.mid(i, kLiveFrameLength);
        const bool valid = IsLiveFrameValid(w);
        if (valid != (uint8_t(w[0]) == 0xFF && uint8_t(w[1]) == 0xAA && w[46] == 3)) std::abort();
        DecodeLiveFrame(ToLiveFrame(w), direct);
        CheckReading(direct.reading);
    }

    test::PollRig rig;
    qsizetype p = 0;
    qint64 at = 0;
    QByteArray sent;
    while (p + 2 <= all.size()) {
        at += uint8_t(all[p]) * 8;
        const qsizetype n = uint8_t(all[p + 1]);
        const QByteArray chunk = all.mid(p + 2, n);
        rig.port.at(at, chunk);
        sent += chunk;
        p += 2 + n;
    }
    const int starts = int(sent.count(QByteArray("\xFF\xAA", 2)));
    rig.meterAnswers = size % 2 == 0;
    rig.clock.setStepMs(10);
    rig.clock.addListener([&rig](qint64 now) {
        if (now > 20000) rig.clock.requestStop();
    });
    for (int t = 0; t < 2; ++t) {
        const qint64 before = rig.clock.nowMs();
        rig.poll.tick();
        if (rig.clock.stopping()) break;
        // Attempts of 1.5 s at most: four short ones and the rejected frames before the link
        // counts as lost, unless the meter went silent and NoDataRoutine waits for it.
        const qint64 bound = (kPollRetries + 1 + kPollRejectedFrames) * 1500 + 100;
        if (rig.poll.noDataRuns() == 0 && rig.clock.nowMs() - before > bound) std::abort();
    }
    if (rig.poll.framesShown() > starts) std::abort();
    if (rig.poll.framesShown() > 0) CheckReading(rig.state.live.reading);
    return 0;
}
