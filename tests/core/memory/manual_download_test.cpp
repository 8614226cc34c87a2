#include <gtest/gtest.h>

#include "core/memory/ManualDownload.h"
#include "support/FakePort.h"
#include "support/SimRig.h"

using namespace montira;

namespace {

struct Rig : test::SimRig {
    QStringList captions;
    ManualDump dump;
    Rig() { online(); }
    ManualOutcome go(SerialPort& p) {
        ManualHooks h;
        h.poll.start = [this] { ++starts; };
        h.progress = [this](qint64 got, qint64 expected) {
            const QString c = ManualProgressCaption(got, expected);
            if (captions.isEmpty() || captions.last() != c) captions << c;
        };
        return DownloadManual(p, clock, state, dump, h);
    }
    ManualOutcome go() { return go(port); }
    void expectFinalState() const {
        EXPECT_FALSE(state.link.KeypadBusy);
        EXPECT_FALSE(state.live.flags.FlagRun);
        EXPECT_EQ(starts, 1);
    }
};

sim::SimManualRecord Record(int day, double globeC) {
    sim::SimManualRecord m{};
    m.globe = sim::RawTemp(globeC);
    m.dry = sim::RawTemp(25);
    m.wet = sim::RawTemp(20);
    m.count = sim::SpeedCount(0);
    m.date[0] = 26, m.date[1] = 5, m.date[2] = uint8_t(day);
    m.time[0] = 8, m.time[1] = 7, m.time[2] = 123;
    return m;
}

// A meter that answers "S" with `s` (the last reply repeats) and "T" with `tBytes` bytes.
struct ScriptedPort : test::FakePort {
    int queries = 0;
    ScriptedPort(QList<QByteArray> s, int tBytes) {
        qDefault = "J";
        answer = [this, s, tBytes](const QByteArray& b) -> QByteArray {
            if (b == "S") return s[std::min<int>(++queries, s.size()) - 1];
            return b == "T" ? QByteArray(tBytes, char(0x20)) : QByteArray();
        };
    }
};

int DecodedRows(const ManualDump& dump) {
    TextTable c, f;
    return DecodeManualRows(dump, {}, c, f);
}

}  // namespace

TEST(ManualDownload, lastRecordIsListedFirstAsNumberOne) {
    Rig r;
    r.meter.manualRecords() = {Record(1, 30), Record(2, 31), Record(3, 32)};
    ASSERT_EQ(r.go(), ManualOutcome::Done);
    r.expectFinalState();
    TextTable c, f;
    ASSERT_EQ(DecodeManualRows(r.dump, {}, c, f), 3);
    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE(row);
        const QStringList cells = c.rowFields(row);
        ASSERT_EQ(cells.size(), 12);
        EXPECT_EQ(cells[0], QString::number(row + 1));
        EXPECT_EQ(cells[1], QStringLiteral("26/05/0%1").arg(3 - row));
        EXPECT_EQ(cells[9], QString::number(32 - row) + ".0");  // globe
        EXPECT_EQ(f.rowFields(row)[9], QStringList({"89.6", "87.8", "86.0"})[row]);
    }
    EXPECT_EQ(r.captions.last(), "100.0 % completas");
}

TEST(ManualDownload, emptyOrSilentMeterEndsInTheFinalStateWithoutT) {
    for (bool silent : {false, true}) {
        SCOPED_TRACE(silent);
        Rig r;
        r.meter.clearManualRecords();
        if (silent) r.meter.faults().silentAfterMs = 0;
        EXPECT_EQ(r.go(), silent ? ManualOutcome::NoAnswer : ManualOutcome::NothingStored);
        r.expectFinalState();
        EXPECT_TRUE(silent || r.meter.commandLog() == "S");
        EXPECT_LT(r.clock.nowMs(), 15000);  // a silent meter is given up after ten seconds
    }
}

TEST(ManualDownload, dumpKeepsOnlyTheWholeRecordsAndNoBytesBeyondIt) {
    // "S" first answered by stray bytes, then 'Y' for 3 records (60 bytes); "T" brings 2.5
    // records; 1.5 and after a pause the live frames; 3 with frames behind; 2.5 and then frames.
    using O = ManualOutcome;
    for (auto [tBytes, framesAfterMs, outcome, kept, rows] :
         {std::tuple{50, 0, O::Incomplete, 50, 2},
          {30, 2000, O::Incomplete, 30, 1},
          {60 + 47, 0, O::Done, 60, 3},
          {50, 200, O::Done, 60, 3}}) {
        SCOPED_TRACE(tBytes);
        Rig r;
        ScriptedPort port({QByteArray("\x01"), QByteArray("Y\x03", 2)}, tBytes);
        qint64 framesAt = -1;  // set once "T" is written
        r.clock.addListener([&, after = framesAfterMs](qint64 now) {
            if (framesAt < 0 && after > 0 && port.written.contains('T')) framesAt = now + after;
            if (framesAt >= 0 && now >= framesAt) port.arrive(QByteArray(47, char(0xFF)));
        });
        EXPECT_EQ(r.go(port), outcome);
        r.expectFinalState();
        EXPECT_EQ(port.queries, 2);
        EXPECT_EQ(r.dump.bytes.size(), kept);
        EXPECT_EQ(DecodedRows(r.dump), rows);
    }
}

TEST(ManualDownload, refusedDuringARunOrAnotherExchange) {
    Rig r;
    r.state.live.flags.FlagRun = true;
    EXPECT_EQ(r.go(), ManualOutcome::Refused);
    r.state.live.flags.FlagRun = false;
    r.state.link.KeypadBusy = true;
    EXPECT_EQ(r.go(), ManualOutcome::Refused);
    EXPECT_EQ(r.starts, 0);
    EXPECT_TRUE(r.meter.commandLog().isEmpty());
}
