#pragma once
#include <functional>

#include "core/link/Clock.h"
#include "core/link/LinkState.h"
#include "core/link/SerialPort.h"

namespace montira {

// The one owner of the meter link. Between exchanges the poll reads the frames that the
// meter transmits; a routine that needs the port for an exchange takes it with take(): the
// poll stops (a tick in progress gives up at its next wait without reading the port again)
// and runs again by itself when the last lease ends, however the exchange ended.
class MeterLink {
public:
    MeterLink(SerialPort& port, Clock& clock, LinkState& state)
        : port_(port), clock_(clock), state_(state) {}
    MeterLink(const MeterLink&) = delete;
    MeterLink& operator=(const MeterLink&) = delete;

    class Lease {
    public:
        explicit Lease(MeterLink& link) : link_(&link) { link_->pause(); }
        Lease(Lease&& o) noexcept : link_(o.link_) { o.link_ = nullptr; }
        Lease(const Lease&) = delete;
        Lease& operator=(const Lease&) = delete;
        Lease& operator=(Lease&&) = delete;
        ~Lease() { release(); }
        // Gives the port back before the end of the scope.
        void release() {
            if (link_) link_->resume();
            link_ = nullptr;
        }
        SerialPort& port() const { return link_->port_; }
        Clock& clock() const { return link_->clock_; }
        LinkState& state() const { return link_->state_; }

    private:
        MeterLink* link_;
    };

    [[nodiscard]] Lease take() { return Lease(*this); }
    bool taken() const { return leases_ > 0; }

    SerialPort& port() const { return port_; }
    Clock& clock() const { return clock_; }
    LinkState& state() const { return state_; }

    // How the poll is stopped and started; the live session sets it. Without it a lease only
    // counts (a command-line exchange runs without a poll).
    std::function<void(bool running)> pollSwitch;

    // A lease by hand, for the callers that stop and start around an exchange themselves:
    // every pause() must be followed by one resume().
    void pause() {
        if (leases_++ == 0 && pollSwitch) pollSwitch(false);
    }
    void resume() {
        if (leases_ > 0 && --leases_ == 0 && pollSwitch && !clock_.stopping()) pollSwitch(true);
    }

private:
    SerialPort& port_;
    Clock& clock_;
    LinkState& state_;
    int leases_ = 0;
};

}  // namespace montira
