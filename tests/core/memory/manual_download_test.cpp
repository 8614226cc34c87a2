#include <gtest/gtest.h>

#include <optional>

#include "core/memory/ManualDownload.h"
#include "support/CountingReader.h"
#include "support/FakePort.h"
#include "support/FrameBuilder.h"
#include "support/SimRig.h"

using namespace montira;

namespace {

// The download runs on a meter link (the rig's, or one on another port) whose live reader's
// restarts are counted.
struct Rig : test::SimRig {
    QStringList captions;
    ManualDump dump;
    int starts = 0;
    Rig() { online(); }
    ManualOutcome go(SerialPort& p) {
        if (const auto refused = ManualRefusal(state)) return *refused;
        std::optional<MeterLink> other;
        if (&p != &port) other.emplace(p, clock, state.link);
        MeterLink& link = other ? *other : meterLink;
        test::CountingReader live(state.link);
        link.setLive(&live);
        ManualHooks h;
        h.progress = [this](qint64 got, qint64 expected) {
            const QString c = ManualProgressCaption(got, expected);
            if (captions.isEmpty() || captions.last() != c) captions << c;
        };
        DownloadManual ex(state, h);
        if (link.run(ex)) clock.advanceUntil([&] { return ex.finished() && !link.busy(); }, 600000);
        starts += live.starts - 1;
        link.setLive(nullptr);
        dump = ex.dump();
        return ex.outcome();
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

QByteArray ManualBytes(const sim::SimManualRecord& m) {
    QByteArray b;
    const auto word = [&b](int v) { b += char(v >> 8), b += char(v & 0xFF); };
    word(m.globe), word(m.dry), word(m.wet), word(m.count);
    for (uint8_t v : m.date) b += char(v);
    for (uint8_t v : m.time) b += char(v);
    word(m.offsetA), word(m.offsetB), word(m.zero);
    return b;
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

TEST(ManualDownload, dumpCutAndFollowedByFramesKeepsOnlyTheRecordsBeforeTheCut) {
    // Three records (60 bytes). The meter stops after one and a half records, or after two,
    // and sends its live frames again 50, 200 or 500 ms later, or nothing more.
    for (int cutAfter : {30, 40}) {
        for (qint64 framesAfterMs : {50, 200, 500, -1}) {
            SCOPED_TRACE(QStringLiteral("cut after %1, frames after %2")
                             .arg(cutAfter)
                             .arg(framesAfterMs)
                             .toStdString());
            Rig r;
            r.meter.manualRecords() = {Record(1, 30), Record(2, 31), Record(3, 32)};
            r.meter.faults().cutDumpAfterBytes = cutAfter;
            r.meter.faults().framesAfterCutMs = framesAfterMs;
            const qint64 t0 = r.clock.nowMs();
            EXPECT_EQ(r.go(), ManualOutcome::Incomplete);
            r.expectFinalState();
            EXPECT_EQ(r.dump.bytes.size(), cutAfter);
            TextTable c, f;
            ASSERT_EQ(DecodeManualRows(r.dump, {}, c, f), cutAfter / 20);
            EXPECT_EQ(c.rowFields(0)[1], cutAfter == 30 ? "26/05/01" : "26/05/02");
            EXPECT_EQ(c.rowFields(0)[9], cutAfter == 30 ? "30.0" : "31.0");
            // Frames end it as soon as the first one is whole; silence after ten seconds.
            const qint64 took = r.clock.nowMs() - t0;
            if (framesAfterMs >= 0)
                EXPECT_LT(took, framesAfterMs + 500);
            else
                EXPECT_GE(took, 10000);
        }
    }
}

TEST(ManualDownload, dumpThatPausesOrLooksLikeAFrameStartIsKeptWhole) {
    // Genuine records holding 255 170 (an air-speed count, an offset) and a year byte of 123;
    // the dump arrives at once, or pauses three seconds after 25 bytes; then a live frame 400 ms
    // later, or nothing more.
    sim::SimManualRecord a = Record(1, 30), b = Record(2, 31), c = Record(3, 32);
    a.count = 0xFFAA;
    b.date[0] = 123;
    c.offsetA = 0xFFAA;  // its end byte would come 46 bytes on: inside the frame after the dump
    const QByteArray dump = ManualBytes(a) + ManualBytes(b) + ManualBytes(c);
    for (auto [pauseMs, frameAfter] : {std::pair{0, true}, {3000, true}, {0, false}}) {
        SCOPED_TRACE(pauseMs);
        Rig r;
        test::FakePort port(&r.clock);
        port.qDefault = "J";
        port.answer = [&, pauseMs = pauseMs, frameAfter = frameAfter](const QByteArray& w) {
            if (w == "S") return QByteArray("Y\x03", 2);
            if (w != "T") return QByteArray();
            const qint64 rest = r.clock.nowMs() + pauseMs + 10;
            port.at(rest, dump.mid(25));
            if (frameAfter) port.at(rest + 400, test::FrameBuilder().bytes());
            return dump.left(25);
        };
        EXPECT_EQ(r.go(port), ManualOutcome::Done);
        r.expectFinalState();
        EXPECT_EQ(r.dump.bytes, dump);
        TextTable cs, fs;
        ASSERT_EQ(DecodeManualRows(r.dump, {}, cs, fs), 3);
        EXPECT_EQ(cs.rowFields(1)[1], "23/05/02");
    }
}

TEST(ManualDownload, queryReplyOfStrayBytesOrCutAfterItsFlagIsAskedAgain) {
    // A stray byte, then 'Y' without its count (never "no records"), then 'Y' for 3 records.
    Rig r;
    test::FakePort port(&r.clock);
    port.qDefault = "J";
    const QByteArray replies[] = {"\x01", "Y", QByteArray("Y\x03", 2)};
    int queries = 0;
    port.answer = [&](const QByteArray& b) {
        if (b == "S") return replies[std::min(++queries, 3) - 1];
        return b == "T" ? QByteArray(60, char(0x20)) : QByteArray();
    };
    EXPECT_EQ(r.go(port), ManualOutcome::Done);
    EXPECT_EQ(queries, 3);
    EXPECT_EQ(r.dump.count, 3);
    EXPECT_EQ(r.dump.bytes.size(), 60);
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
