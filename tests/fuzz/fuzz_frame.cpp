// Fuzz target for finding and decoding live frames. The input is a script of what the meter
// sends: chunks of (delay in 8 ms steps, length, bytes).
// - The frame scanner takes the script's chunks at their times, and the same bytes whole and
//   one by one with no pauses: every frame it gives starts with FF AA and ends with 03, every
//   byte is accounted for (skipped, in a frame or held), and without pauses it finds the same
//   frames however the bytes are cut, the frames a plain left-to-right search finds.
// - The same checks run on a stream built from the input with frames in it: byte DA becomes a
//   whole frame, C3 the start of a frame cut short, every other byte garbage before, inside
//   and between them; it is fed in pieces with pauses that may cut a frame in progress.
// - The live reader reads the script, and the line with frames, as the bytes arrive on the
//   virtual clock: it shows no more frames than the line holds, at most one every half second,
//   shows a valid first frame, and is waiting for the meter 12 s after the last byte.
// - Every 47-byte window of the input is decoded directly: texts stay short and the numbers
//   of a shown value are finite.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

#include "core/meter/FrameScanner.h"
#include "core/meter/LiveFrame.h"
#include "support/PollRig.h"

namespace {

using namespace montira;

using Pieces = std::vector<std::pair<qint64, QByteArray>>;  // (arrival ms, bytes)

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

bool Framed(const LiveFrame& f) {
    return f[0] == 0xFF && f[1] == 0xAA && f[46] == 3;
}

// Feeds the pieces; checks every frame and the count of every byte. Returns the frames.
std::vector<LiveFrame> Scan(const Pieces& pieces, LiveState& decoded) {
    FrameScanner s;
    std::vector<LiveFrame> frames;
    qint64 fed = 0, accounted = 0;
    for (const auto& [ms, bytes] : pieces) {
        const FrameScan scan = s.consume(bytes, ms);
        fed += bytes.size();
        accounted += scan.skipped + qint64(scan.frames.size()) * kLiveFrameLength;
        if (s.pending() < 0 || s.pending() >= kLiveFrameLength) std::abort();
        if (fed != accounted + s.pending()) std::abort();
        if (scan.rejected < 0 || scan.rejected > scan.skipped) std::abort();
        for (const LiveFrame& f : scan.frames) {
            if (!Framed(f)) std::abort();
            DecodeLiveFrame(f, decoded);
            CheckReading(decoded.reading);
            frames.push_back(f);
        }
    }
    return frames;
}

// The frames of a plain search: at each byte, a whole frame is taken, else the next byte.
std::vector<LiveFrame> Reference(const QByteArray& b) {
    std::vector<LiveFrame> out;
    qsizetype i = 0;
    while (i + kLiveFrameLength <= b.size()) {
        const LiveFrame f = ToLiveFrame(b.mid(i, kLiveFrameLength));
        if (Framed(f)) {
            out.push_back(f);
            i += kLiveFrameLength;
        } else {
            ++i;
        }
    }
    return out;
}

// Without pauses the cut of the bytes does not matter.
void CheckWithoutPauses(const QByteArray& all, const Pieces& pieces, LiveState& decoded) {
    const std::vector<LiveFrame> expected = Reference(all);
    Pieces whole{{0, all}}, untimed, bytewise;
    for (const auto& p : pieces) untimed.push_back({0, p.second});
    for (qsizetype i = 0; i < all.size(); ++i) bytewise.push_back({0, all.mid(i, 1)});
    if (Scan(whole, decoded) != expected) std::abort();
    if (Scan(untimed, decoded) != expected) std::abort();
    if (Scan(bytewise, decoded) != expected) std::abort();
}

// The input turned into a line with frames on it, cut into timed pieces.
Pieces WithFrames(const QByteArray& in, QByteArray* all) {
    QByteArray line;
    for (qsizetype i = 0; i < in.size(); ++i) {
        const uint8_t b = uint8_t(in[i]);
        if (b == 0xDA || b == 0xC3) {
            QByteArray f("\xFF\xAA", 2);
            f += in.mid(i + 1, 44);
            f.resize(46, '\0');
            f += char(3);
            i += 44;
            // A cut frame keeps a start and a few of its bytes.
            line += b == 0xDA ? f : f.left(2 + (i < in.size() ? uint8_t(in[i]) % 40 : 0));
        } else {
            line += char(b);
        }
    }
    Pieces pieces;
    qint64 at = 0;
    for (qsizetype p = 0, k = 0; p < line.size(); ++k) {
        const uint8_t c = k < in.size() ? uint8_t(in[k]) : 7;
        const qsizetype n = 1 + c % 64;
        pieces.push_back({at, line.mid(p, n)});
        p += n;
        at += (c >> 6) * 200;  // 0 to 600 ms: some pauses cut a frame in progress
    }
    *all = line;
    return pieces;
}

// The live reader over timed pieces on the virtual clock: it shows no more frames than the
// line holds, at most one every half second (again after each NoDataRoutine), shows the
// valid first frame when there is one, and 12 s after the last byte it waits for the meter.
void Live(const Pieces& pieces, const QByteArray& bytes, bool answers, bool pullOut,
          bool validFirst) {
    test::PollRig rig;
    rig.meterAnswers = answers;
    qint64 last = 0;
    for (const auto& [ms, chunk] : pieces) {
        rig.port.at(ms, chunk);
        last = std::max(last, ms);
    }
    if (pullOut)
        rig.clock.addListener([&rig, half = last / 2](qint64 now) {
            if (now == half) rig.port.failNow();
        });
    rig.clock.setStepMs(5);
    rig.start();
    rig.clock.advance(last + 12000);  // a loop that lets no time pass never returns
    const int shown = rig.poll.framesShown();
    if (shown > int(bytes.count(QByteArray("\xFF\xAA", 2)))) std::abort();
    if (shown > (last + 12000) / kPollShowEveryMs + 1 + rig.poll.noDataRuns()) std::abort();
    if (validFirst && !pullOut && shown == 0) std::abort();
    if (!rig.poll.waitingForMeter()) std::abort();
    if (shown > 0) CheckReading(rig.state.live.reading);
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

    Pieces script;
    qsizetype p = 0;
    qint64 at = 0;
    QByteArray sent;
    while (p + 2 <= all.size()) {
        at += uint8_t(all[p]) * 8;
        const qsizetype n = uint8_t(all[p + 1]);
        const QByteArray chunk = all.mid(p + 2, n);
        script.push_back({at, chunk});
        sent += chunk;
        p += 2 + n;
    }

    LiveState scanned;
    Scan(script, scanned);
    CheckWithoutPauses(sent, script, scanned);
    QByteArray line;
    const Pieces framed = WithFrames(all, &line);
    Scan(framed, scanned);
    CheckWithoutPauses(line, framed, scanned);

    // The live reader on the script and on the line with frames, the second time with a valid
    // frame first; some inputs pull the adapter out half way.
    const Pieces runs[] = {script, framed};
    for (int r = 0; r < 3; ++r) {
        Pieces pieces = runs[r == 0 ? 0 : 1];
        QByteArray bytes = r == 0 ? sent : line;
        if (r == 2) {
            const QByteArray valid = test::FrameBuilder().bytes();
            for (auto& piece : pieces) piece.first += 10;
            pieces.insert(pieces.begin(), {0, valid});
            bytes.prepend(valid);
        }
        Live(pieces, bytes, size % 2 == 0, size % 3 == 0, r == 2);
    }
    return 0;
}
