// Fuzz target for the "G", "J" and "B" replies and the answers typed in the settings' input
// boxes. The input's first byte says how the meter answers the handshake; the rest is cut
// into the replies to the read letters (a length byte, then that many bytes). Every read must
// end within the exchange's silence bound, give a clock text of 17 characters or none, and
// values within their byte ranges; a typed answer is a value within 1..max or no value.
#include <cstdint>
#include <cstdlib>

#include "core/link/MeterLink.h"
#include "core/link/VirtualClock.h"
#include "core/memory/MeterSettings.h"
#include "support/FakePort.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace montira;
    if (size < 1) return 0;
    const QByteArray all(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    VirtualClock clock;
    clock.setStepMs(5);
    test::FakePort port(&clock);
    port.qDefault = (data[0] & 1) ? QByteArray("J") : QByteArray(1, char(data[0]));
    qsizetype p = 0;
    port.answer = [&](const QByteArray&) {
        if (p >= all.size()) return QByteArray();
        const qsizetype n = uint8_t(all[p]) % 16;
        const QByteArray r = all.mid(p + 1, n);
        p += 1 + n;
        return r;
    };
    LinkState link;
    MeterLink meterLink(port, clock, link);
    // Each read runs on the link and ends within its silence bound.
    auto run = [&](Exchange& ex) {
        link.MeterOnline = true;
        if (!meterLink.run(ex)) std::abort();
        if (!clock.advanceUntil([&] { return ex.finished() && !meterLink.busy(); }, 12000))
            std::abort();
    };

    ReadMeterClock readClock(link);
    run(readClock);
    const QByteArray c = readClock.clock();
    if (c.size() > 6) std::abort();
    const QString text = MeterClockText(c);
    if (!text.isEmpty() && text.size() != 17) std::abort();
    if (MeterClockText(all).size() != (all.size() >= 6 ? 17 : 0)) std::abort();

    ReadSampling sampling(link);
    run(sampling);
    if (const auto s = sampling.setting())
        if (s->minutes < 0 || s->minutes > 255 ||
            (s->seconds && (*s->seconds < 0 || *s->seconds > 255)))
            std::abort();

    ReadPowerOff powerOff(link);
    run(powerOff);
    if (const auto s = powerOff.seconds())
        if ((*s < 0 && *s != kPowerOffUnknown) || *s > 65535) std::abort();

    const QString typed = QString::fromUtf8(all.left(64));
    for (int max : {59, 60, 65535}) {
        const RangedAnswer a = ParseRangedAnswer(typed, max);
        if (a.kind == RangedAnswer::Value && (a.value < 1 || a.value > max)) std::abort();
        if ((a.kind == RangedAnswer::Abandon) != typed.isEmpty()) std::abort();
    }
    return 0;
}
