#include "core/meter/FrameScanner.h"

#include <algorithm>

#include "core/meter/Protocol.h"

namespace montira {

namespace {

bool StartsAt(const QByteArray& b, qsizetype i) {
    return uint8_t(b[i]) == frame::kStart1Byte && uint8_t(b[i + 1]) == frame::kStart2Byte;
}

// A frame may start at i: 255 170, or 255 as the last byte so far.
bool MayStartAt(const QByteArray& b, qsizetype i) {
    return uint8_t(b[i]) == frame::kStart1Byte &&
           (i + 1 == b.size() || uint8_t(b[i + 1]) == frame::kStart2Byte);
}

}  // namespace

FrameScan FrameScanner::consume(const QByteArray& bytes, qint64 nowMs) {
    FrameScan out;
    if (bytes.isEmpty()) return out;
    const qsizetype old = held_.size();
    const QByteArray buf = held_ + bytes;
    qsizetype pos = 0;
    if (old > 0 && nowMs - heldSinceMs_ > kFrameCutAfterMs) {
        // The frame in progress was cut off; every start inside it is as old as it is.
        for (qsizetype i = 0; i + 1 < old; ++i) out.rejected += StartsAt(held_, i) ? 1 : 0;
        out.skipped += int(old);
        pos = old;
    }
    const qsizetype n = buf.size();
    for (;;) {
        qsizetype at = pos;
        while (at < n && !MayStartAt(buf, at)) ++at;
        out.skipped += int(at - pos);
        if (at == n) {
            held_.clear();
            break;
        }
        if (n - at < frame::kLength) {
            // A start inside what was held keeps the time of the held bytes.
            if (at >= old) heldSinceMs_ = nowMs;
            held_ = buf.mid(at);
            break;
        }
        if (uint8_t(buf[at + frame::kEnd]) == frame::kEndByte) {
            LiveFrame f;
            std::copy_n(reinterpret_cast<const uint8_t*>(buf.constData() + at), f.size(),
                        f.begin());
            out.frames.push_back(f);
            pos = at + frame::kLength;
        } else {
            // Not a frame: look for the next start from the byte after this one.
            ++out.rejected;
            ++out.skipped;
            pos = at + 1;
        }
    }
    return out;
}

}  // namespace montira
