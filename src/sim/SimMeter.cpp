#include "sim/SimMeter.h"

#include <algorithm>
#include <cmath>

namespace montira::sim {

namespace {

// Probe calibration the simulated meter transmits: zero reference, gain ×100 and the seven
// points (probe value × 100 at 0, 2, 5, 10, 15, 20 and 25 m/s).
constexpr int kR0 = 1000;
constexpr int kGain = 100;  // G = 1.00
constexpr int kP0 = 10, kP2 = 200, kP5 = 500, kP10 = 1000, kP15 = 1500, kP20 = 2000,
              kP25 = 2500;

uint16_t RawTemp(double c) {
    const double v = std::round(c * 100.0) + 5100.0;
    return uint16_t(std::clamp(v, 0.0, 65535.0));
}

void PutWord(QByteArray& b, int at, int v) {
    b[at] = char((v >> 8) & 0xFF);
    b[at + 1] = char(v & 0xFF);
}

// Raw speed of the probe polynomial for a probe voltage X.
double Poly(double X) {
    return (37.458 * X * X * X - 133.73 * X * X + 186.47 * X - 97.319) / 10.0;
}

}  // namespace

// The probe count that reads as roughly `ms` m/s with the calibration above.
uint16_t SpeedCount(double ms) {
    if (ms <= 0) return kR0;
    double lo = 1.25, hi = 4.0;
    for (int i = 0; i < 60; ++i) {
        const double mid = (lo + hi) / 2;
        (Poly(mid) < ms ? lo : hi) = mid;
    }
    const double r = kR0 + (lo - 1.25) / 2.0 * (kGain / 100.0) * 100.0;
    return uint16_t(std::clamp(std::round(r), 0.0, 65535.0));
}

SimMeter::SimMeter() {
    // Two logging runs already in the logger, and three manual records.
    for (int s = 0; s < 2; ++s) {
        SimSet set;
        set.year = 26;
        set.month = 11;
        set.day = 30 + s;
        if (set.day > 30) {
            set.month = 12;
            set.day = 1;
        }
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
    QDateTime base(QDate(2000 + clock_[0], month, day),
                   QTime(std::min<int>(clock_[3], 23), std::min<int>(clock_[4], 59),
                         std::min<int>(clock_[5], 59)));
    if (!base.isValid()) base = QDateTime(QDate(2000 + clock_[0], month, 1), QTime(0, 0));
    const QDateTime t = base.addMSecs(now_ - clockBaseMs_);
    out[0] = uint8_t(t.date().year() % 100);
    out[1] = clock_[1] == 0 ? 0 : uint8_t(t.date().month());  // an unset clock stays unset
    out[2] = clock_[2] == 0 ? 0 : uint8_t(t.date().day());
    out[3] = uint8_t(t.time().hour());
    out[4] = uint8_t(t.time().minute());
    out[5] = uint8_t(t.time().second());
}

void SimMeter::setTemperatures(double globeC, double dryC, double wetC) {
    globe_ = globeC;
    dry_ = dryC;
    wet_ = wetC;
}

void SimMeter::release(const QByteArray& b) {
    if (faults_.pacedAt19200) paced_ += b;
    else out_ += b;
}

void SimMeter::emitBytes(const QByteArray& b, qint64 delayMs) {
    if (faults_.silentAfterMs >= 0 && now_ >= faults_.silentAfterMs) return;
    if (delayMs <= 0) release(b);
    else scheduled_.push_back({now_ + delayMs, b});
}

QByteArray SimMeter::take() {
    QByteArray b;
    b.swap(out_);
    return b;
}

int SimMeter::pending() const { return out_.size(); }

void SimMeter::receive(const QByteArray& fromPc) {
    if (faults_.silentAfterMs >= 0 && now_ >= faults_.silentAfterMs) return;
    for (char ch : fromPc) {
        const uint8_t v = uint8_t(ch);
        switch (expect_) {
            case Expect::ClockBytes:
                param_ += ch;
                if (param_.size() == 6) {
                    uint8_t c[6];
                    for (int i = 0; i < 6; ++i) c[i] = uint8_t(param_[i]);
                    setClock(c);
                    expect_ = Expect::Command;
                }
                continue;
            case Expect::MinutesByte:
                samplingMinutes_ = std::clamp<int>(v, 1, 60);
                samplingSeconds_ = 0;
                expect_ = Expect::Command;
                continue;
            case Expect::SecondsByte:
                samplingMinutes_ = 0;
                samplingSeconds_ = std::clamp<int>(v, 1, 59);
                expect_ = Expect::Command;
                continue;
            case Expect::PowerOffHi:
                powerOff_ = v * 256;
                expect_ = Expect::PowerOffLo;
                continue;
            case Expect::PowerOffLo:
                powerOff_ += v;
                expect_ = Expect::Command;
                continue;
            case Expect::Command: break;
        }
        quietUntil_ = now_ + 400;  // the meter stops transmitting while it serves the PC
        if (ch == 'Q') {
            attention_ = true;
            // Drop what was not released yet so the J is the last byte the PC sees.
            scheduled_.clear();
            emitBytes(QByteArray(1, 'J'), 5);
            continue;
        }
        if (!attention_) continue;  // letters without a handshake are ignored
        log_ += ch;
        serve(ch);
    }
}

void SimMeter::serve(char c) {
    switch (c) {
        case 'G': {
            uint8_t now[6];
            currentClock(now);
            emitBytes(QByteArray(reinterpret_cast<const char*>(now), 6), 5);
            break;
        }
        case 'F': expect_ = Expect::ClockBytes; param_.clear(); break;
        case 'J': {
            QByteArray r(2, 0);
            r[0] = char(samplingMinutes_);
            r[1] = char(samplingSeconds_);
            emitBytes(r, 5);
            break;
        }
        case 'H': expect_ = Expect::MinutesByte; break;
        case 'I': expect_ = Expect::SecondsByte; break;
        case 'B': {
            QByteArray r(2, 0);
            PutWord(r, 0, powerOff_);
            emitBytes(r, 5);
            break;
        }
        case 'A': expect_ = Expect::PowerOffHi; break;
        case 'E': break;
        case 'D': sets_.clear(); break;
        case 'c': {
            const int used = memoryUsed();
            QByteArray r(7, 0);
            r[0] = 2;
            r[1] = char((used >> 16) & 0xFF);
            r[2] = char((used >> 8) & 0xFF);
            r[3] = char(used & 0xFF);
            PutWord(r, 4, int(sets_.size()));
            r[6] = 3;
            emitBytes(r, 5);
            break;
        }
        case 'C': emitBytes(loggerDump(), 5); break;
        case 'S': {
            QByteArray r(2, 0);
            r[0] = manual_.isEmpty() ? 'Z' : 'Y';
            r[1] = char(std::min<int>(int(manual_.size()), 255));
            emitBytes(r, 5);
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
            emitBytes(r, 5);
            break;
        }
        case 'K': imperial_ = !imperial_; break;
        case 'L': hold_ = !hold_; break;
        case 'N': channel_ = (channel_ + 1) % 4; break;
        case 'O': maxMin_ = maxMin_ >= 5 ? (maxMin_ == 5 ? 6 : 0) : maxMin_ + 1; break;
        case 'o': maxMin_ = 6; break;
        case 'M':
            if (!run_) {
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
            } else {
                run_ = false;
                if (!runSet_.records.isEmpty()) sets_.push_back(runSet_);
            }
            break;
        case 'R':
            if (manual_.size() < 255) {
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
            }
            break;
        default: break;  // W, U, P, V: display navigation with no lasting effect here
    }
}

void SimMeter::tickValues() {
    if (!drift_ || hold_) return;
    std::normal_distribution<double> n(0.0, 0.03);
    globe_ = std::clamp(globe_ + n(rng_), 20.0, 45.0);
    dry_ = std::clamp(dry_ + n(rng_), 18.0, 40.0);
    wet_ = std::clamp(wet_ + n(rng_), 12.0, dry_ - 0.5);
    speed_ = std::clamp(speed_ + n(rng_) * 3, 0.0, 6.0);
}

void SimMeter::sampleForRun() {
    const int interval = std::max(1, samplingMinutes_ * 60 + samplingSeconds_);
    while (run_ && now_ >= runNextSampleAt_) {
        runSet_.records.push_back({RawTemp(globe_), RawTemp(dry_), RawTemp(wet_), SpeedCount(speed_)});
        runNextSampleAt_ += qint64(interval) * 1000;
    }
}

QByteArray SimMeter::currentFrame() const {
    QByteArray f(47, 0);
    f[0] = char(0xFF);
    f[1] = char(0xAA);
    uint8_t a = 0, b = 0, c = 0;
    if (hold_) a |= 1;
    a |= 4;  // auto
    if (imperial_) a |= 64;
    static const uint8_t channelBits[4] = {1, 2, 4, 0};
    b = channelBits[channel_];
    if (run_) b |= 32;
    if (maxMin_ <= 5) c |= (maxMin_ % 2 == 0) ? 16 : 32;
    f[2] = char(a);
    f[3] = char(b);
    f[4] = char(c);
    PutWord(f, 5, RawTemp(globe_));
    PutWord(f, 7, RawTemp(dry_));
    PutWord(f, 9, RawTemp(wet_));
    auto unit = [&](double v) { return imperial_ ? v * 1.8 + 32 : v; };
    double upper = 0;
    switch (channel_) {
        case 0: upper = unit(dry_); break;
        case 1: upper = unit(globe_); break;
        case 2: upper = unit(0.7 * wet_ + 0.3 * globe_); break;
        default: upper = imperial_ ? speed_ * 196.85 / 10.0 : speed_; break;
    }
    PutWord(f, 11, int(std::clamp(std::fabs(upper) * 100, 0.0, 65535.0)));
    PutWord(f, 13, int(std::clamp(std::fabs(unit(wet_)) * 100, 0.0, 65535.0)));
    if (upper < 0) f[4] = char(uint8_t(f[4]) | 64);
    f[15] = char(std::min<int>(sets_.size(), 99));
    uint8_t now[6];
    currentClock(now);
    f[16] = char(now[5]);
    f[17] = char(now[4]);
    f[18] = char(now[3]);
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

QByteArray SimMeter::loggerDump() const {
    QByteArray d;
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
    return d;
}

void SimMeter::advanceTo(qint64 nowMs) {
    if (nowMs < now_) return;
    const qint64 before = now_;
    now_ = nowMs;
    // Scheduled bytes that are due, in order.
    for (int i = 0; i < scheduled_.size();) {
        if (scheduled_[i].at <= now_) {
            release(scheduled_[i].bytes);
            scheduled_.remove(i);
        } else {
            ++i;
        }
    }
    sampleForRun();
    const bool silent = faults_.silentAfterMs >= 0 && now_ >= faults_.silentAfterMs;
    if (nextFrameAt_ < quietUntil_) nextFrameAt_ = quietUntil_;
    if (!silent && now_ >= nextFrameAt_ && expect_ == Expect::Command) {
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
            if (k == 0) release(f.mid(i, step));
            else scheduled_.push_back({now_ + 20 * k, f.mid(i, step)});
        }
        nextFrameAt_ = now_ + framePeriodMs_;
    }
    if (faults_.pacedAt19200 && !paced_.isEmpty()) {
        pacedCredit_ += double(now_ - before) * 1.92;  // 1920 bytes a second
        const int n = int(std::min<double>(pacedCredit_, paced_.size()));
        out_ += paced_.left(n);
        paced_.remove(0, n);
        pacedCredit_ -= n;
        if (paced_.isEmpty()) pacedCredit_ = 0;
    }
}

}  // namespace montira::sim
