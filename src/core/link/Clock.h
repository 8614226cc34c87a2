#pragma once
#include <QtGlobal>

namespace montira {

// The clock/waiter seam. Delay() waits while the user interface stays alive; pump() lets
// pending events run once (and, on a real clock, sleeps briefly in the event loop instead of
// spinning). Times are monotonic milliseconds: midnight or a changed system clock never
// stretches a wait.
class Clock {
public:
    virtual ~Clock() = default;

    virtual qint64 nowMs() const = 0;
    // Waits `seconds` (the program uses 0.05 and 0.5), processing events meanwhile.
    virtual void delay(double seconds) = 0;
    // Lets pending events run; a read loop calls it between reads.
    virtual void pump() = 0;
    // Set when the program is closing: every wait returns at once and every loop that talks to
    // the meter gives up, so the program ends within a second whatever it was doing.
    virtual bool stopping() const { return stopping_; }
    // Ends the waits in progress too (a real clock wakes its nested event loops).
    virtual void requestStop() { stopping_ = true; }

private:
    bool stopping_ = false;
};

}  // namespace montira
