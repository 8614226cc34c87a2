#include "sim/SimMeter.h"

#include <algorithm>
#include <cmath>

namespace montira::sim {

namespace {

// Probe calibration the simulated meter transmits: zero reference, gain ×100 and the seven
// points (probe value × 100 at 0, 2, 5, 10, 15, 20 and 25 m/s).
constexpr int kR0 = 1000;
constexpr int kGain = 100;  // G = 1.00
constexpr int kP0 = 10, kP2 = 200, kP5 = 500, kP10 = 1000, kP15 = 1500, kP20 = 2000, kP25 = 2500;

constexpr qint64 kQuietMs = 400;       // no frames this long after a byte from the PC
constexpr qint64 kReplyLatencyMs = 5;  // the meter answers a few milliseconds later
constexpr qint64 kParameterWaitMs = 1000;
constexpr int kMaxManualRecords = 255;

void PutWord(QByteArray& b, int at, int v) {
    b[at] = char((v >> 8) & 0xFF);
    b[at + 1] = char(v & 0xFF);
}

// Raw speed of the probe polynomial for a probe voltage X.
double Poly(double X) {
    return (37.458 * X * X * X - 133.73 * X * X + 186.47 * X - 97.319) / 10.0;
}

int DisplayWord(double v) {
    return int(std::clamp(std::fabs(v) * 100.0, 0.0, 65535.0));
}

}  // namespace

uint16_t RawTemp(double c) {
    const double v = std::round(c * 100.0) + 5100.0;
    return uint16_t(std::clamp(v, 0.0, 65535.0));
}

uint16_t SpeedCount(double ms) {
    if (!(ms > 0)) return kR0;
    double lo = 1.25, hi = 4.0;
    for (int i = 0; i < 60; ++i) {
        const double mid = (lo + hi) / 2;
        (Poly(mid) < ms ? lo : hi) = mid;
    }
    const double r = kR0 + (lo - 1.25) / 2.0 * (kGain / 100.0) * 100.0;
    return uint16_t(std::clamp(std::round(r), 0.0, 65535.0));
}

SimMeter::SimMeter() {
    // Two logging runs already in the logger (each crossing midnight, the first also the end
    // of a month), and three manual records.
    for (int s = 0; s < 2; ++s) {
        SimSet set;
        set.year = 26;
        set.month = s == 0 ? 11 : 12;
        set.day = s == 0 ? 30 : 1;
        set.hour = 23;
        set.minute = 58;
        set.second = 30;
        set.intervalMinutes = s == 0 ? 1 : 0;
        set.intervalSeconds = 30;
        set.offsetA = 20;
        set.offsetB = 10;
        set.zero = 0;
        const int n = s == 0 ? 12 : 40;
        for (int i = 0; i < n; ++i) {
            const double t = i / 6.0;
            set.records.push_back({RawTemp(30.0 + std::sin(t)), RawTemp(27.5 + 0.5 * std::cos(t)),
                                   RawTemp(21.0 + 0.3 * std::sin(t * 0.7)),
                                   SpeedCount(1.0 + 0.5 * std::sin(t))});
        }
        sets_.push_back(set);
    }
    for (int i = 0; i < 3; ++i) {
        SimManualRecord m{};
        m.globe = RawTemp(32.0 + i);
        m.dry = RawTemp(28.0 + i * 0.5);
        m.wet = RawTemp(22.0 + i * 0.25);
        m.count = SpeedCount(0.5 + i);
        m.date[0] = 26;
        m.date[1] = 12;
        m.date[2] = uint8_t(1 + i);
        m.time[0] = 10;
        m.time[1] = uint8_t(15 + i);
        m.time[2] = 0;
        m.offsetA = 5;
        m.offsetB = 5;
        manual_.push_back(m);
    }
}

void SimMeter::setClock(const uint8_t c[6]) {
    std::copy(c, c + 6, clock_);
    clockBaseMs_ = now_;
}

void SimMeter::currentClock(uint8_t out[6]) const {
    // Clock fields as set, plus the time elapsed since they were set (2000 + YY).
    const int month = std::clamp(int(clock_[1]), 1, 12), day = std::clamp(int(clock_[2]), 1, 31);
    QDateTime base(QDate(2000 + clock_[0] % 100, month, day),
                   QTime(std::min<int>(clock_[3], 23), std::min<int>(clock_[4], 59),
                         std::min<int>(clock_[5], 59)));
    if (!base.isValid()) base = QDateTime(QDate(2000 + clock_[0] % 100, month, 1), QTime(0, 0));
    const QDateTime t = base.addMSecs(now_ - clockBaseMs_);
    out[0] = uint8_t(t.date().year() % 100);
    out[1] = clock_[1] == 0 ? 0 : uint8_t(t.date().month());  // an unset clock stays unset
    out[2] = clock_[2] == 0 ? 0 : uint8_t(t.date().day());
    out[3] = uint8_t(t.time().hour());
    out[4] = uint8_t(t.time().minute());
    out[5] = uint8_t(t.time().second());
}

void SimMeter::setTemperatures(double globeC, double dryC, double wetC) {
    globe_ = baseGlobe_ = globeC;
    dry_ = baseDry_ = dryC;
    wet_ = baseWet_ = wetC;
}

void SimMeter::setAirSpeed(double ms) {
    speed_ = baseSpeed_ = std::max(0.0, ms);
}

void SimMeter::release(const QByteArray& b, qint64 atMs) {
    if (silentAt(atMs)) return;
    if (!faults_.pacedAt19200) {
        out_ += b;
        return;
    }
    if (paced_.isEmpty()) {  // the line was idle: the wire time starts now
        pacedCredit_ = 0;
        pacedSinceMs_ = now_;
    }
    paced_ += b;
}

void SimMeter::emitDump(const QByteArray& b) {
    const int cut = faults_.cutDumpAfterBytes;
    if (cut < 0 || cut >= b.size()) {
        emitBytes(b, kReplyLatencyMs);
        return;
    }
    emitBytes(b.left(cut), kReplyLatencyMs);
    // When the last byte before the cut is on the wire.
    const qint64 wire = faults_.pacedAt19200 ? qint64(std::ceil(cut / 1.92)) : 0;
    const qint64 cutAt = now_ + kReplyLatencyMs + wire;
    if (faults_.framesAfterCutMs < 0)
        faults_.silentAfterMs = cutAt + 1;
    else
        quietUntil_ = nextFrameAt_ = cutAt + faults_.framesAfterCutMs;
}

void SimMeter::emitBytes(const QByteArray& b, qint64 delayMs) {
    if (silent()) return;
    if (delayMs <= 0)
        release(b);
    else
        scheduled_.push_back({now_ + delayMs, b});
}

QByteArray SimMeter::take() {
    QByteArray b;
    b.swap(out_);
    return b;
}

int SimMeter::pending() const {
    return out_.size();
}

qint64 SimMeter::nextEventMs() const {
    if (!paced_.isEmpty()) return now_ + 5;
    qint64 next = std::max(nextFrameAt_, quietUntil_);
    for (const auto& s : scheduled_) next = std::min(next, s.at);
    if (run_) next = std::min(next, runNextSampleAt_);
    return std::max(next, now_ + 1);
}

void SimMeter::takeParameter(uint8_t v) {
    switch (expect_) {
        case Expect::ClockBytes:
            param_ += char(v);
            if (param_.size() == 6) {
                uint8_t c[6];
                for (int i = 0; i < 6; ++i) c[i] = uint8_t(param_[i]);
                setClock(c);
                expect_ = Expect::Command;
            }
            break;
        case Expect::MinutesByte:
            samplingMinutes_ = std::clamp<int>(v, 1, 60);
            samplingSeconds_ = 0;
            expect_ = Expect::Command;
            break;
        case Expect::SecondsByte:
            samplingMinutes_ = 0;
            samplingSeconds_ = std::clamp<int>(v, 1, 59);
            expect_ = Expect::Command;
            break;
        case Expect::PowerOffHi:
            param_ = QByteArray(1, char(v));
            expect_ = Expect::PowerOffLo;
            break;
        case Expect::PowerOffLo:  // taken only once both bytes came
            powerOff_ = uint8_t(param_[0]) * 256 + v;
            expect_ = Expect::Command;
            break;
        case Expect::Command:
            break;
    }
}

void SimMeter::receive(const QByteArray& fromPc) {
    if (silent()) return;
    // A meter that waited too long for parameter bytes has gone back to its commands.
    if (expect_ != Expect::Command && now_ - paramSince_ > kParameterWaitMs)
        expect_ = Expect::Command;
    for (char ch : fromPc) {
        quietUntil_ = now_ + kQuietMs;  // the meter stops transmitting while it serves the PC
        if (expect_ != Expect::Command) {
            takeParameter(uint8_t(ch));
            continue;
        }
        if (ch == 'Q') {
            attention_ = true;
            // Drop what was not released yet (frame pieces, older replies) so that the J is
            // the last byte the PC sees.
            scheduled_.clear();
            emitBytes(QByteArray(1, 'J'), kReplyLatencyMs);
            continue;
        }
        if (!attention_) continue;  // letters without a handshake are ignored
        attention_ = false;         // one command per handshake
        log_ += ch;
        serve(ch);
    }
}

void SimMeter::serve(char c) {
    switch (c) {
        case 'G': {
            uint8_t now[6];
            currentClock(now);
            emitBytes(QByteArray(reinterpret_cast<const char*>(now), 6), kReplyLatencyMs);
            break;
        }
        case 'F':
            expect_ = Expect::ClockBytes;
            paramSince_ = now_;
            param_.clear();
            break;
        case 'J': {
            QByteArray r(2, 0);
            r[0] = char(samplingMinutes_);
            r[1] = char(samplingSeconds_);
            emitBytes(r, kReplyLatencyMs);
            break;
        }
        case 'H':
            expect_ = Expect::MinutesByte;
            paramSince_ = now_;
            break;
        case 'I':
            expect_ = Expect::SecondsByte;
            paramSince_ = now_;
            break;
        case 'B': {
            QByteArray r(2, 0);
            PutWord(r, 0, powerOff_);
            emitBytes(r, kReplyLatencyMs);
            break;
        }
        case 'A':
            expect_ = Expect::PowerOffHi;
            paramSince_ = now_;
            break;
        case 'E':
            break;  // power-off time left as it is
        case 'D':
            sets_.clear();
            loggerTail_.clear();
            break;
        case 'c': {
            const int used = memoryUsed();
            QByteArray r(7, 0);
            r[0] = 2;
            r[1] = char((used >> 16) & 0xFF);
            r[2] = char((used >> 8) & 0xFF);
            r[3] = char(used & 0xFF);
            PutWord(r, 4, int(sets_.size()));
            r[6] = 3;
            emitBytes(r, kReplyLatencyMs);
            break;
        }
        case 'C':
            emitDump(loggerDump());
            break;
        case 'S': {
            QByteArray r(2, 0);
            r[0] = manual_.isEmpty() ? 'Z' : 'Y';
            r[1] = char(std::min<int>(int(manual_.size()), kMaxManualRecords));
            emitBytes(r, kReplyLatencyMs);
            break;
        }
        case 'T': {
            QByteArray r;
            for (const auto& m : manual_) {
                QByteArray b(20, 0);
                PutWord(b, 0, m.globe);
                PutWord(b, 2, m.dry);
                PutWord(b, 4, m.wet);
                PutWord(b, 6, m.count);
                for (int i = 0; i < 3; ++i) b[8 + i] = char(m.date[i]);
                for (int i = 0; i < 3; ++i) b[11 + i] = char(m.time[i]);
                PutWord(b, 14, m.offsetA);
                PutWord(b, 16, m.offsetB);
                PutWord(b, 18, m.zero);
                r += b;
            }
            emitDump(r);
            break;
        }
        // The keys.
        case 'K':
            imperial_ = !imperial_;
            break;  // °C/°F
        case 'L':   // Hold freezes the display
            hold_ = !hold_;
            if (hold_) {
                bool blank = false;
                heldUpper_ = displayValue(channel_, &blank);
                heldLower_ = imperial_ ? wet_ * 1.8 + 32 : wet_;
            }
            break;
        case 'N':  // Mode: dry bulb, globe, WBGT, air speed
            channel_ = (channel_ + 1) % 4;
            maxMin_ = 6;
            break;
        case 'O':
            maxMin_ = maxMin_ >= 6 ? 0 : maxMin_ + 1;
            break;  // Max/Min: 0..5, then off
        case 'o':   // Escape
            maxMin_ = 6;
            recall_ = false;
            dateShown_ = false;
            break;
        case 'P':
            dateShown_ = !dateShown_;
            break;  // Time: clock or date on the display
        case 'R':
            storeManualRecord();
            break;  // Mem
        case 'U':   // Read: recall the manual records
            recall_ = !recall_;
            recallIndex_ = manual_.isEmpty() ? 0 : int(manual_.size());
            break;
        case 'V':  // Up
            if (recall_ && !manual_.isEmpty())
                recallIndex_ = recallIndex_ >= manual_.size() ? 1 : recallIndex_ + 1;
            break;
        case 'W':  // Down
            if (recall_ && !manual_.isEmpty())
                recallIndex_ = recallIndex_ <= 1 ? int(manual_.size()) : recallIndex_ - 1;
            break;
        case 'M':
            startStopRun();
            break;  // Run/Stop
        default:
            break;
    }
}

void SimMeter::storeManualRecord() {
    if (manual_.size() >= kMaxManualRecords) return;
    SimManualRecord m{};
    m.globe = RawTemp(globe_);
    m.dry = RawTemp(dry_);
    m.wet = RawTemp(wet_);
    m.count = SpeedCount(speed_);
    uint8_t now[6];
    currentClock(now);
    std::copy(now, now + 3, m.date);
    std::copy(now + 3, now + 6, m.time);
    manual_.push_back(m);
    memMarkUntil_ = now_ + 1000;
}

void SimMeter::startStopRun() {
    if (!run_) {
        if (memoryUsed() + 16 + 8 > kLoggerFullBytes) return;  // no room for a new run
        run_ = true;
        runSet_ = SimSet{};
        uint8_t now[6];
        currentClock(now);
        runSet_.year = now[0];
        runSet_.month = now[1];
        runSet_.day = now[2];
        runSet_.hour = now[3];
        runSet_.minute = now[4];
        runSet_.second = now[5];
        runSet_.intervalMinutes = samplingMinutes_;
        runSet_.intervalSeconds = samplingSeconds_;
        runNextSampleAt_ = now_;
        sampleForRun();  // the first record is taken at once
    } else {
        run_ = false;
        if (!runSet_.records.isEmpty()) sets_.push_back(runSet_);
        runSet_ = SimSet{};
    }
}

void SimMeter::tickValues() {
    if (!drift_) return;
    // A slow random walk that keeps returning to the values it was given.
    std::normal_distribution<double> n(0.0, 0.03);
    auto walk = [&](double& v, double base, double lo, double hi, double spread) {
        v = std::clamp(v + 0.05 * (base - v) + n(rng_) * spread, lo, hi);
    };
    walk(globe_, baseGlobe_, -10.0, 140.0, 1.0);
    walk(dry_, baseDry_, -10.0, 110.0, 1.0);
    walk(wet_, baseWet_, -10.0, std::max(-10.0, dry_ - 0.3), 1.0);
    walk(speed_, baseSpeed_, 0.0, 40.0, 3.0);
    const double v[3] = {globe_, dry_, wet_};
    for (int i = 0; i < 3; ++i) {
        max_[i] = std::max(max_[i], v[i]);
        min_[i] = std::min(min_[i], v[i]);
    }
}

void SimMeter::sampleForRun() {
    const int interval = std::max(1, samplingMinutes_ * 60 + samplingSeconds_);
    while (run_ && now_ >= runNextSampleAt_) {
        const int inRun = 16 + 8 * (int(runSet_.records.size()) + 1);
        if (memoryUsed() + inRun > kLoggerFullBytes) {  // the logger is full: the run ends
            startStopRun();
            return;
        }
        runSet_.records.push_back(
            {RawTemp(globe_), RawTemp(dry_), RawTemp(wet_), SpeedCount(speed_)});
        runNextSampleAt_ += qint64(interval) * 1000;
    }
}

double SimMeter::displayValue(int channel, bool* blank) const {
    *blank = false;
    auto unit = [&](double v) { return imperial_ ? v * 1.8 + 32 : v; };
    if (recall_) {
        if (recallIndex_ < 1 || recallIndex_ > manual_.size()) {
            *blank = true;
            return 0;
        }
        const SimManualRecord& m = manual_[recallIndex_ - 1];
        const double g = (m.globe - 5100) * 0.01, d = (m.dry - 5100) * 0.01,
                     w = (m.wet - 5100) * 0.01;
        switch (channel) {
            case 0:
                return unit(d);
            case 1:
                return unit(g);
            case 2:
                return unit(0.7 * w + 0.3 * g);
            default:
                return 0;
        }
    }
    if (maxMin_ <= 5) {  // 0 globe max, 1 globe min, 2 dry max, 3 dry min, 4 wet max, 5 wet min
        const int which = maxMin_ / 2;
        return unit(maxMin_ % 2 == 0 ? max_[which] : min_[which]);
    }
    switch (channel) {
        case 0:
            return unit(dry_);
        case 1:
            return unit(globe_);
        case 2:
            return unit(0.7 * wet_ + 0.3 * globe_);
        default:
            return imperial_ ? speed_ * 196.85 / 10.0 : speed_;  // ft/min shown ×10
    }
}

QByteArray SimMeter::currentFrame() const {
    QByteArray f(47, 0);
    f[0] = char(0xFF);
    f[1] = char(0xAA);
    const bool memoryFull = memoryUsed() >= kLoggerFullBytes;
    uint8_t a = 4;  // auto
    if (hold_) a |= 1;
    if (memoryFull) a |= 8;
    if (memMarkUntil_ >= now_) a |= 16;
    if (recall_) a |= 32;
    if (imperial_) a |= 64;
    if (manual_.size() >= kMaxManualRecords) a |= 128;
    static const uint8_t channelBits[4] = {1, 2, 4, 0};
    uint8_t b = channelBits[channel_];
    if (run_) b |= 32;
    bool upperBlank = false;
    double upper = displayValue(channel_, &upperBlank);
    double lower = imperial_ ? wet_ * 1.8 + 32 : wet_;
    if (hold_) {
        upper = heldUpper_;
        lower = heldLower_;
    }
    if (upperBlank) b |= 64;
    uint8_t c = 0;
    if (dateShown_) c |= 1;
    if (powerOff_ > 0) c |= 8;
    if (maxMin_ <= 5) c |= (maxMin_ % 2 == 0) ? 16 : 32;
    if (upper < 0) c |= 64;
    if (lower < 0) c |= 128;
    f[2] = char(a);
    f[3] = char(b);
    f[4] = char(c);
    PutWord(f, 5, RawTemp(globe_));
    PutWord(f, 7, RawTemp(dry_));
    PutWord(f, 9, RawTemp(wet_));
    PutWord(f, 11, DisplayWord(upper));
    PutWord(f, 13, DisplayWord(lower));
    f[15] = char(memoryFull ? 99 : (recall_ ? recallIndex_ : int(manual_.size())) % 100);
    uint8_t now[6];
    currentClock(now);
    // Seconds, minutes, hours; with the date shown: day, month, year.
    f[16] = char(dateShown_ ? now[2] : now[5]);
    f[17] = char(dateShown_ ? now[1] : now[4]);
    f[18] = char(dateShown_ ? now[0] : now[3]);
    PutWord(f, 19, kR0);
    PutWord(f, 21, kGain);
    PutWord(f, 23, SpeedCount(speed_));
    f[25] = char(maxMin_);
    PutWord(f, 26, 0);
    PutWord(f, 28, 0);
    PutWord(f, 30, 0);
    PutWord(f, 32, kP0);
    PutWord(f, 34, kP5);
    PutWord(f, 36, kP10);
    PutWord(f, 38, kP15);
    PutWord(f, 40, kP2);
    PutWord(f, 42, kP20);
    PutWord(f, 44, kP25);
    f[46] = faults_.brokenEndByte ? 4 : 3;
    return f;
}

void SimMeter::fillLogger(int bytesInUse) {
    sets_.clear();
    loggerTail_.clear();
    int left = bytesInUse - kLoggerBaseBytes;
    constexpr int kRecordsPerSet = 2000;
    int k = 0;
    QDateTime start(QDate(2026, 3, 1), QTime(8, 0, 0));
    while (left >= 16 + 8) {
        const int n = std::min(kRecordsPerSet, (left - 16) / 8);
        SimSet set;
        set.year = start.date().year() % 100;
        set.month = start.date().month();
        set.day = start.date().day();
        set.hour = start.time().hour();
        set.minute = start.time().minute();
        set.second = start.time().second();
        set.intervalMinutes = k % 3 == 1 ? 1 : 0;
        set.intervalSeconds = k % 3 == 0 ? 2 : (k % 3 == 1 ? 0 : 30);
        set.offsetA = uint16_t(10 + k);
        set.offsetB = 10;
        set.zero = uint16_t(k % 2 ? 5 : 0);
        set.records.reserve(n);
        for (int i = 0; i < n; ++i) {
            const double t = (i + 97 * k) / 50.0;
            set.records.push_back(
                {RawTemp(30.0 + 4 * std::sin(t)), RawTemp(27.0 + 3 * std::cos(t * 0.8)),
                 RawTemp(20.0 + 2 * std::sin(t * 0.6)), SpeedCount(1.5 + 1.4 * std::sin(t * 1.3))});
        }
        sets_.push_back(set);
        left -= 16 + 8 * n;
        start = start.addSecs(qint64(n) * (set.intervalMinutes * 60 + set.intervalSeconds) + 3600);
        ++k;
    }
    if (left > 0) loggerTail_ = QByteArray(left, char(0xFF));
}

int SimMeter::memoryUsed() const {
    int used = kLoggerBaseBytes + int(loggerTail_.size());
    for (const auto& s : sets_) used += 16 + 8 * int(s.records.size());
    return used;
}

QByteArray SimMeter::loggerDump() const {
    QByteArray d;
    d.reserve(memoryUsed() - kLoggerBaseBytes);
    for (const auto& s : sets_) {
        QByteArray h(16, 0);
        h[0] = char(s.year);
        h[1] = char(s.month);
        h[2] = char(s.day);
        h[3] = char(s.hour);
        h[4] = char(s.minute);
        h[5] = char(s.second);
        h[6] = char(s.intervalMinutes);
        h[7] = char(s.intervalSeconds);
        PutWord(h, 8, int(s.records.size()));
        PutWord(h, 10, s.offsetA);
        PutWord(h, 12, s.offsetB);
        PutWord(h, 14, s.zero);
        d += h;
        for (const auto& r : s.records) {
            QByteArray b(8, 0);
            PutWord(b, 0, r.globe);
            PutWord(b, 2, r.dry);
            PutWord(b, 4, r.wet);
            PutWord(b, 6, r.count);
            d += b;
        }
    }
    d += loggerTail_;
    return d;
}

void SimMeter::emitFrame() {
    tickValues();
    if (faults_.garbageBetweenFrames) {
        QByteArray g;
        for (int i = 0; i < 5; ++i) g += char(rng_() % 200 + 1);
        release(g);
    }
    const QByteArray f = currentFrame();
    const int pieces = std::max(1, faults_.splitFrames);
    const int step = (f.size() + pieces - 1) / pieces;
    for (int i = 0, k = 0; i < f.size(); i += step, ++k) {
        if (k == 0)
            release(f.mid(i, step));
        else
            scheduled_.push_back({now_ + 20 * k, f.mid(i, step)});
    }
}

void SimMeter::advanceTo(qint64 nowMs) {
    if (nowMs < now_) return;
    now_ = nowMs;
    // Scheduled bytes that are due, in order.
    for (int i = 0; i < scheduled_.size();) {
        if (scheduled_[i].at <= now_) {
            release(scheduled_[i].bytes, scheduled_[i].at);
            scheduled_.remove(i);
        } else {
            ++i;
        }
    }
    sampleForRun();
    if (expect_ != Expect::Command && now_ - paramSince_ > kParameterWaitMs)
        expect_ = Expect::Command;
    if (nextFrameAt_ < quietUntil_) nextFrameAt_ = quietUntil_;
    // A frame is due when the line is free: not while serving the PC, not while a reply is
    // still going out at the wire rate.
    if (!silent() && now_ >= nextFrameAt_ && expect_ == Expect::Command && paced_.isEmpty()) {
        emitFrame();
        nextFrameAt_ = now_ + framePeriodMs_;
    }
    if (!paced_.isEmpty()) {
        pacedCredit_ += double(now_ - pacedSinceMs_) * 1.92;  // 1920 bytes a second
        pacedSinceMs_ = now_;
        const int n = int(std::min<double>(pacedCredit_, paced_.size()));
        out_ += paced_.left(n);
        paced_.remove(0, n);
        pacedCredit_ -= n;
        if (paced_.isEmpty()) pacedCredit_ = 0;
    }
}

}  // namespace montira::sim
