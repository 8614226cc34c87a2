#pragma once
#include <QByteArray>
#include <cstdint>
#include <vector>

#include "core/meter/LiveFrame.h"
#include "sim/SimMeter.h"
#include "support/FakePort.h"

// Builds logger dumps byte by byte for the memory tests: a 16-byte set header
// (YY MM DD hh mm ss, interval minutes and seconds, record count, offset A, offset B, zero)
// followed by 8-byte records (globe, dry, wet raw, air-speed count; each high byte first).
namespace montira::test {

struct RawRecord {
    uint16_t globe, dry, wet, count;
};

// Raw temperature of the meter: hundredths of a degree Celsius plus 5100.
inline uint16_t RawC(double c) {
    return uint16_t(c * 100.0 + 5100.0 + 0.5);
}

struct SetBytes {
    uint8_t yy = 26, mo = 3, dd = 15, hh = 10, mi = 0, ss = 0;
    uint8_t intervalMin = 0, intervalSec = 10;
    uint16_t offsetA = 0, offsetB = 0, zero = 0;
    std::vector<RawRecord> records;

    QByteArray bytes() const {
        QByteArray b;
        const auto word = [&b](int v) {
            b += char((v >> 8) & 0xFF);
            b += char(v & 0xFF);
        };
        for (uint8_t v : {yy, mo, dd, hh, mi, ss, intervalMin, intervalSec}) b += char(v);
        word(int(records.size()));
        word(offsetA);
        word(offsetB);
        word(zero);
        for (const RawRecord& r : records) {
            word(r.globe);
            word(r.dry);
            word(r.wet);
            word(r.count);
        }
        return b;
    }
};

inline std::vector<RawRecord> Records(int n, double dryC = 25.0) {
    std::vector<RawRecord> v;
    for (int i = 0; i < n; ++i) v.push_back({RawC(30.0), RawC(dryC), RawC(20.0), 1000});
    return v;
}

// The status reply to "c": STX, used (3 bytes), sets (2 bytes), ETX.
inline QByteArray StatusReply(int used, int sets) {
    const char b[] = {2, char(used >> 16), char(used >> 8), char(used), char(sets >> 8), char(sets),
                      3};
    return QByteArray(b, 7);
}

// The probe calibration the simulated meter transmits, taken from one of its frames.
inline ProbeCalibration SimCalibration() {
    sim::SimMeter m;
    LiveState s;
    DecodeLiveFrame(ToLiveFrame(m.currentFrame()), s);
    return s.calibration;
}

// A logger on a fake port: "Q" answered with "J" (unless deaf), each "c" with the next status
// reply (the last one repeats), "C" with `dump` (and whatever follows it) `chunk` bytes a read.
struct LoggerScript {
    QList<QByteArray> statusReplies;
    QByteArray dump;
    int chunk = 512;
    bool answersQ = true;
    int statusQueries = 0;

    void attach(FakePort& port) {
        port.answer = [this, &port](const QByteArray& b) -> QByteArray {
            if (b == "Q") return answersQ ? "J" : "";
            if (b == "c" && !statusReplies.isEmpty())
                return statusReplies[std::min<int>(++statusQueries, statusReplies.size()) - 1];
            if (b == "C") port.stream(dump, chunk);
            return {};
        };
    }
};

}  // namespace montira::test
