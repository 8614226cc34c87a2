#pragma once
#include <QtGlobal>
#include <functional>
#include <memory>

namespace montira {

// One deadline of a clock: rings once when the clock reaches the time it is set to. Setting
// it again replaces the earlier time; destroying it cancels it.
class Alarm {
public:
    virtual ~Alarm() = default;
    virtual void at(qint64 ms) = 0;
    virtual void cancel() = 0;
};

// The clock seam. Times are monotonic milliseconds: midnight or a changed system clock never
// stretches a wait. Nothing here waits: whoever needs time to pass sets an alarm and returns,
// and the alarm rings from the event loop (the real clock) or from advance() (the virtual one).
class Clock {
public:
    virtual ~Clock() = default;

    virtual qint64 nowMs() const = 0;
    // An alarm that calls `ring` when it is due.
    virtual std::unique_ptr<Alarm> alarm(std::function<void()> ring) = 0;
    // Set when the program is closing: exchanges still running give up, no new one starts.
    bool stopping() const { return stopping_; }
    void requestStop() { stopping_ = true; }

private:
    bool stopping_ = false;
};

}  // namespace montira
