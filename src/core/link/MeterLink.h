#pragma once
#include <QString>
#include <functional>
#include <memory>

#include "core/link/Clock.h"
#include "core/link/Exchange.h"
#include "core/link/LinkState.h"
#include "core/link/SerialPort.h"

namespace montira {

// The one owner of the meter link and of its port. It reads when the port says bytes arrived
// and sets one alarm at the nearest deadline; nothing runs while nothing happens. Bytes go to
// the exchange in progress, or, between exchanges, to the live reader (the poll). One exchange
// runs at a time: a second one is refused while the first runs.
class MeterLink {
public:
    MeterLink(SerialPort& port, Clock& clock, LinkState& state);
    ~MeterLink();
    MeterLink(const MeterLink&) = delete;
    MeterLink& operator=(const MeterLink&) = delete;

    // Starts `ex` (which must live until it ends) unless another exchange runs or the program
    // is closing: false then, and `done` is not called. `done` runs once when `ex` has ended,
    // after the link is free again, so it may start the next exchange or destroy `ex`.
    // KeypadBusy is True while an exchange runs.
    bool run(Exchange& ex, std::function<void()> done = {});
    bool busy() const { return current_ != nullptr; }
    // Ends `ex` now if it runs (its window closed); `done` still runs.
    void cancel(Exchange& ex);

    // The reader of live frames: it runs whenever no exchange runs and no lease holds the
    // link, from its first state each time it starts again.
    void setLive(Exchange* live);
    bool liveRunning() const { return live_ && liveOn_; }

    // Keeps the live reader stopped for its life, across several exchanges and the dialogs
    // between them (a setting the meter waits for); it starts again with the last lease.
    class Lease {
    public:
        explicit Lease(MeterLink& link) : link_(&link) { link_->hold(); }
        Lease(Lease&& o) noexcept : link_(o.link_) { o.link_ = nullptr; }
        Lease(const Lease&) = delete;
        Lease& operator=(const Lease&) = delete;
        Lease& operator=(Lease&&) = delete;
        ~Lease() { release(); }
        void release() {
            if (link_) link_->unhold();
            link_ = nullptr;
        }

    private:
        MeterLink* link_;
    };
    [[nodiscard]] Lease take() { return Lease(*this); }
    bool taken() const { return leases_ > 0; }

    // The port: only the link opens and closes it.
    OpenOutcome open(QString* reason = nullptr);
    void close();
    bool isOpen() const { return port_.isOpen(); }

    // The program is closing: the exchange in progress ends, the live reader stops, and no
    // exchange starts any more.
    void stop();

    Clock& clock() const { return clock_; }
    LinkState& state() const { return state_; }
    // For the exchanges' tests and the command line's diagnostics only.
    SerialPort& port() const { return port_; }

private:
    void hold();
    void unhold();
    void readyRead();
    void rang();
    void settle();
    void startLive();
    Exchange* active() const { return current_ ? current_ : (liveOn_ ? live_ : nullptr); }

    SerialPort& port_;
    Clock& clock_;
    LinkState& state_;
    std::unique_ptr<Alarm> alarm_;
    Exchange* current_ = nullptr;
    std::function<void()> done_;
    Exchange* live_ = nullptr;
    bool liveOn_ = false;
    int leases_ = 0;
    bool inside_ = false;  // an exchange is being called; bytes it causes are read after
    bool readPending_ = false;
};

}  // namespace montira
