#include "core/memory/Keypad.h"

#include <gtest/gtest.h>

#include "support/SimRig.h"

using namespace montira;

namespace {

struct Rig : test::SimRig {
    Rig() { online(); }
    KeyOutcome press(MeterKey k) { return PressKey(port, clock, state, k, pause); }
};

}  // namespace

TEST(Keypad, duringALoggingRunOnlyRunStopUpDownAndReadAreSent) {
    Rig r;
    r.state.live.flags.FlagRun = true;
    QByteArray expected;
    for (const KeyInfo& k : MeterKeys()) {
        SCOPED_TRACE(k.name);
        const bool allowed = k.key == MeterKey::RunStop || k.key == MeterKey::Up ||
                             k.key == MeterKey::Down || k.key == MeterKey::Read;
        EXPECT_EQ(r.press(k.key), allowed ? KeyOutcome::Sent : KeyOutcome::RefusedRun);
        if (allowed) expected += k.letter;
    }
    EXPECT_EQ(r.meter.commandLog(), expected);
    EXPECT_EQ(r.stops, 4);
    EXPECT_EQ(r.starts, 4);
    EXPECT_FALSE(r.state.link.KeypadBusy);
}

TEST(Keypad, letterIsCaseSensitiveAndAClickWhileBusyIsIgnored) {
    Rig r;
    EXPECT_EQ(r.press(MeterKey::Escape), KeyOutcome::Sent);
    EXPECT_EQ(r.press(MeterKey::MaxMin), KeyOutcome::Sent);
    EXPECT_EQ(r.meter.commandLog(), "oO");

    // A click that arrives while the handshake pumps events.
    std::optional<KeyOutcome> second;
    const int id = r.clock.addListener([&](qint64) {
        if (!second) second = PressKey(r.port, r.clock, r.state, MeterKey::Mode, {});
    });
    EXPECT_EQ(r.press(MeterKey::Hold), KeyOutcome::Sent);
    r.clock.removeListener(id);
    EXPECT_EQ(second, KeyOutcome::RefusedBusy);
    EXPECT_EQ(r.meter.commandLog(), "oOL");
}

TEST(Keypad, pollRunsAgainWhenTheExchangeFails) {
    Rig r;
    r.port.setAvailable(false);  // the adapter was pulled out
    r.press(MeterKey::Up);
    EXPECT_EQ(r.starts, 1);
    EXPECT_FALSE(r.state.link.KeypadBusy);
}
