#include "core/memory/DumpReceiver.h"

#include <algorithm>

#include "core/meter/Protocol.h"

namespace montira {

namespace {

// What lies at `p`: not a frame, a frame, or the start of one whose end has not arrived.
enum class At { NoFrame, Frame, Unsure };

At FrameAt(const QByteArray& b, qsizetype p) {
    using namespace frame;
    const auto byte = [&b](qsizetype i) { return uint8_t(b[i]); };
    if (byte(p) != kStart1Byte) return At::NoFrame;
    if (p + 1 >= b.size()) return At::Unsure;
    if (byte(p + 1) != kStart2Byte) return At::NoFrame;
    if (p + kEnd >= b.size()) return At::Unsure;
    return byte(p + kEnd) == kEndByte ? At::Frame : At::NoFrame;
}

}  // namespace

// The most the buffer reserves up front: a status reply may claim up to 16 MB.
constexpr qint64 kReserveLimit = 1 << 20;

DumpReceiver::DumpReceiver(qint64 expected) : expected_(std::max<qint64>(expected, 0)) {
    bytes_.reserve(qsizetype(std::min(expected_ + frame::kLength, kReserveLimit)));
}

void DumpReceiver::add(const QByteArray& chunk) {
    if (cut()) return;
    // A frame that begins inside the dump is known once its end byte came.
    const qint64 room = expected_ + frame::kLength - bytes_.size();
    if (room > 0) bytes_ += chunk.left(qsizetype(std::min<qint64>(room, chunk.size())));
    scan();
}

void DumpReceiver::scan() {
    const qsizetype end = qsizetype(std::min<qint64>(expected_, bytes_.size()));
    for (; scanFrom_ < end; ++scanFrom_) {
        const At at = FrameAt(bytes_, scanFrom_);
        if (at == At::Unsure) return;  // looked at again when more bytes came
        if (at == At::Frame) {
            cutAt_ = scanFrom_;
            return;
        }
    }
}

qint64 DumpReceiver::received() const {
    if (cut()) return cutAt_;
    return std::min<qint64>(expected_, bytes_.size());
}

bool DumpReceiver::complete() const {
    return filled() && scanFrom_ >= expected_;
}

}  // namespace montira
