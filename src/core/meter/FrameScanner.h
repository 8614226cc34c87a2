#pragma once
#include <QByteArray>
#include <QtGlobal>
#include <vector>

#include "core/meter/LiveFrame.h"

namespace montira {

// The start of a frame that is still not whole when bytes come this long after its first
// byte was cut off (a pause of the line, a dropped byte): at 19200 baud the meter's 47 bytes
// take 25 ms, and whatever arrives now belongs to a later frame.
constexpr qint64 kFrameCutAfterMs = 500;

// What one consume() found.
struct FrameScan {
    std::vector<LiveFrame> frames;  // whole frames that passed the check, oldest first
    int skipped = 0;                // bytes dropped while looking for a frame start
    int rejected = 0;               // 255 170 starts that led to no frame (end byte, cut off)
};

// Finds the live frames in whatever the line delivers, in pieces of any size: a frame starts
// with 255 170, is 47 bytes long and ends with 3. Bytes before a start, and a start whose
// frame fails the end check, are skipped one byte at a time so that a frame starting inside
// rejected bytes is still found. Holds at most the 46 bytes of a frame that is not whole yet.
// Pure: no port, no clock, no event loop; the caller says what time the bytes came.
class FrameScanner {
public:
    FrameScan consume(const QByteArray& bytes, qint64 nowMs);
    // Forgets the frame in progress (the caller dropped what the line held).
    void reset() { held_.clear(); }
    // Bytes kept for the frame in progress.
    int pending() const { return int(held_.size()); }

private:
    QByteArray held_;
    qint64 heldSinceMs_ = 0;
};

}  // namespace montira
