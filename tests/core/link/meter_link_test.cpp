#include <gtest/gtest.h>

#include "core/link/Handshake.h"
#include "core/link/MeterLink.h"
#include "core/link/VirtualClock.h"
#include "support/FakePort.h"

using namespace montira;
using montira::test::FakePort;

namespace {

// A live reader that only keeps what it is given.
struct Reader : Exchange {
    using Exchange::Exchange;
    int starts = 0;
    QByteArray got;
    void step(qint64) override { ++starts; }
    void arrived(qint64) override { got += take(); }
};

// Writes "?" and keeps what it is fed, noting whether it was fed inside its own write.
struct Asker : Exchange {
    using Exchange::Exchange;
    bool writing = false, fedDuringWrite = false;
    QByteArray got;
    void step(qint64 now) override {
        if (state() == 1) return finish();
        writing = true;
        write('?');
        writing = false;
        wait(now, 50, 1);
    }
    void arrived(qint64) override {
        fedDuringWrite |= writing;
        got += take();
    }
};

struct Rig {
    VirtualClock clock;
    FakePort port{&clock};
    LinkState state;
    MeterLink link{port, clock, state};
    Reader live{state};
    int done = 0;
    Rig() {
        state.MeterOnline = true;
        link.setLive(&live);
    }
    ~Rig() { link.setLive(nullptr); }
};

}  // namespace

TEST(MeterLink, runsOneExchangeAtATimeAndItsDoneOnceAfterTheLinkIsFree) {
    Rig r;
    r.port.qDefault = "J";
    SendCommand first(r.state, 'K'), second(r.state, 'O');
    bool freeInDone = false;
    ASSERT_TRUE(r.link.run(first, [&] {
        ++r.done;
        freeInDone = !r.link.busy() && !r.state.KeypadBusy;
        EXPECT_TRUE(r.link.run(second));  // a flow goes on from its done
    }));
    EXPECT_TRUE(r.state.KeypadBusy);
    EXPECT_FALSE(r.link.run(second));
    EXPECT_TRUE(r.clock.advanceUntil([&] { return second.finished(); }, 1000));
    EXPECT_EQ(r.done, 1);
    EXPECT_TRUE(freeInDone);
    EXPECT_EQ(r.port.written, "QKQO");
    EXPECT_FALSE(r.state.KeypadBusy);
}

TEST(MeterLink, liveReaderStopsWhileAnExchangeRunsAndDuringALeaseAndStartsAgainAfter) {
    Rig r;
    EXPECT_EQ(r.live.starts, 1);
    r.port.arrive("a");
    Asker ex(r.state);
    ASSERT_TRUE(r.link.run(ex));
    EXPECT_FALSE(r.link.liveRunning());
    r.port.arrive("b");
    r.clock.advance(50);
    EXPECT_TRUE(ex.finished());
    EXPECT_EQ(r.live.starts, 2);
    {
        MeterLink::Lease outer = r.link.take();
        MeterLink::Lease inner = r.link.take();
        EXPECT_FALSE(r.link.liveRunning());
        r.port.arrive("c");
        inner.release();
        EXPECT_FALSE(r.link.liveRunning());  // the last lease starts it again
        Asker during(r.state);
        EXPECT_TRUE(r.link.run(during));
        r.clock.advance(50);
        EXPECT_FALSE(r.link.liveRunning());
    }
    EXPECT_TRUE(r.link.liveRunning());
    EXPECT_EQ(r.live.starts, 3);
    r.port.arrive("d");
    EXPECT_EQ(r.live.got, "ad");
    EXPECT_EQ(ex.got, "b");
}

// Cancel ends one exchange and the live reader goes on; stop ends the link for good.
TEST(MeterLink, cancelOrStopEndsTheExchangeItsDoneRunsOnceAndNothingIsWrittenAfter) {
    for (bool stop : {false, true}) {
        SCOPED_TRACE(stop ? "stop" : "cancel");
        Rig r;
        SendCommand ex(r.state, 'K');  // a silent meter: 500 s of handshake
        ASSERT_TRUE(r.link.run(ex, [&] { ++r.done; }));
        r.clock.advance(1000);
        if (stop) {
            r.link.stop();
        } else {
            r.link.cancel(ex);
            r.link.cancel(ex);
        }
        EXPECT_TRUE(ex.finished());
        EXPECT_EQ(r.done, 1);
        EXPECT_FALSE(r.state.KeypadBusy);
        EXPECT_TRUE(stop || !r.state.MeterOnline);
        EXPECT_EQ(r.link.liveRunning(), !stop);
        SendCommand later(r.state, 'O');
        EXPECT_TRUE(!stop || !r.link.run(later));
        const QByteArray written = r.port.written;
        r.port.arrive("x");
        r.clock.advance(1000);
        EXPECT_EQ(r.port.written, written);
        EXPECT_EQ(r.live.got.isEmpty(), stop);
    }
}

TEST(MeterLink, bytesAWriteBringsAtOnceAreFedAfterTheWrite) {
    Rig r;
    r.port.answer = [](const QByteArray& b) { return b == "?" ? QByteArray("!") : QByteArray(); };
    Asker ex(r.state);
    ASSERT_TRUE(r.link.run(ex));
    EXPECT_EQ(ex.got, "!");
    EXPECT_FALSE(ex.fedDuringWrite);
    r.link.cancel(ex);  // it goes before the link that runs it
}
