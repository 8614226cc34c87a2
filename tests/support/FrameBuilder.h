#pragma once
// Builds live frames byte by byte for tests: 47 bytes, FF AA first and 03 last, the rest as
// the meter would send it. The positions are written out here on purpose (1-based, as the
// meter's documentation counts them), independent of the decoder's own constants.
#include <QByteArray>
#include <cmath>
#include <cstdint>

namespace montira::test {

class FrameBuilder {
public:
    FrameBuilder() : b_(47, 0) {
        set(1, 0xFF);
        set(2, 0xAA);
        set(47, 0x03);
        // Room conditions and a probe at rest with a sensible calibration.
        globe(30.0).dry(25.0).wet(20.0);
        probe(1000, 100, 1000);
        calibration(10, 200, 500, 1000, 1500, 2000, 2500);
    }

    // Byte n (1-based).
    FrameBuilder& set(int n, int v) {
        b_[n - 1] = char(uint8_t(v));
        return *this;
    }
    FrameBuilder& word(int n, int v) {  // hi at n, lo at n + 1
        set(n, (v >> 8) & 0xFF);
        return set(n + 1, v & 0xFF);
    }
    FrameBuilder& status(int a, int b, int c) { return set(3, a).set(4, b).set(5, c); }
    // Temperatures as the meter sends them: hundredths of a degree plus 5100.
    static int raw(double c) { return int(std::lround(c * 100)) + 5100; }
    FrameBuilder& globeRaw(int v) { return word(6, v); }
    FrameBuilder& dryRaw(int v) { return word(8, v); }
    FrameBuilder& wetRaw(int v) { return word(10, v); }
    FrameBuilder& globe(double c) { return globeRaw(raw(c)); }
    FrameBuilder& dry(double c) { return dryRaw(raw(c)); }
    FrameBuilder& wet(double c) { return wetRaw(raw(c)); }
    // Probe zero reference R0, gain G × 100, reading R.
    FrameBuilder& probe(int r0, int gain100, int r) {
        return word(20, r0).word(22, gain100).word(24, r);
    }
    FrameBuilder& count(int r) { return word(24, r); }
    FrameBuilder& maxMin(int v) { return set(26, v); }
    // Offset terms A and B and the zero × 100.
    FrameBuilder& offsets(int a, int b, int zero100) {
        return word(27, a).word(29, b).word(31, zero100);
    }
    // Calibration points in speed order; written in the frame's order (P2 after P15).
    FrameBuilder& calibration(int p0, int p2, int p5, int p10, int p15, int p20, int p25) {
        return word(33, p0)
            .word(35, p5)
            .word(37, p10)
            .word(39, p15)
            .word(41, p2)
            .word(43, p20)
            .word(45, p25);
    }
    FrameBuilder& end(int v) { return set(47, v); }

    QByteArray bytes() const { return b_; }
    QByteArray hex() const { return b_.toHex().toUpper(); }

private:
    QByteArray b_;
};

}  // namespace montira::test
