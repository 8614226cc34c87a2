#pragma once
#include <QByteArray>
#include <QtGlobal>

namespace montira {

// Collects a memory dump ("T" or "C") of a known length and tells where it ends. A dump flows
// without gaps of its own, but a meter that stops in the middle goes back to its live frames
// after a while, and those bytes must never be taken for records. So the dump ends where a
// live frame begins: 255, 170 and, 46 bytes on, 3, found anywhere inside the expected length.
// A pause alone ends nothing: a dump that goes on after a pause is still the dump.
class DumpReceiver {
public:
    explicit DumpReceiver(qint64 expected);

    // Everything the port returned since the last call.
    void add(const QByteArray& chunk);

    qint64 expected() const { return expected_; }
    // Dump bytes so far: capped at the expected length, and at the frame once one was found.
    qint64 received() const;
    // A live frame began before the end of the dump: the dump was cut there.
    bool cut() const { return cutAt_ >= 0; }
    // All the expected bytes came and none of them begins a live frame. While the start bytes
    // of a frame lie in the last 46 bytes, the end byte that would confirm it is awaited.
    bool complete() const;
    // All the expected bytes came; only an unconfirmed frame start may lie among the last.
    bool filled() const { return !cut() && qint64(bytes_.size()) >= expected_; }
    // The dump bytes: the expected length, or everything before the frame when cut.
    QByteArray dump() const { return bytes_.left(qsizetype(received())); }

private:
    void scan();
    qint64 expected_;
    QByteArray bytes_;        // the dump and at most one frame's length beyond it
    qsizetype scanFrom_ = 0;  // positions before this begin no frame
    qsizetype cutAt_ = -1;
};

}  // namespace montira
