#include <gtest/gtest.h>

#include "core/link/MeterLink.h"
#include "core/link/VirtualClock.h"
#include "core/memory/DumpReceiver.h"
#include "core/memory/LoggerDownload.h"
#include "core/memory/ManualDownload.h"
#include "core/meter/MemoryStatus.h"
#include "support/CountingReader.h"
#include "support/FrameBuilder.h"
#include "support/LoggerBytes.h"

using namespace montira;
using namespace montira::test;

TEST(MemoryStatusReply, onlySevenBytesFramedBySTXandETXCount) {
    const QByteArray good = StatusReply(0x01ED0F, 0x0102);
    const auto s = ParseMemoryStatus(good);
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->MemoryUsed, 0x01ED0F);
    EXPECT_EQ(s->MemorySetCount, 258);
    EXPECT_EQ(s->expected(), 0x01ED0F - 2048);
    QByteArray badStart = good, badEnd = good;
    badStart[0] = 1;
    badEnd[6] = 2;
    for (const QByteArray& bad : {good.left(6), good + char(3), badStart, badEnd, QByteArray()})
        EXPECT_FALSE(ParseMemoryStatus(bad)) << bad.toHex().constData();
}

TEST(MemoryStatusDisplay, fullAt126072AndProgressCutToTwoDecimals) {
    EXPECT_DOUBLE_EQ(MemoryFillPercent(126072), 100.0);
    EXPECT_DOUBLE_EQ(MemoryFillPercent(126071), 126071 * 100.0 / 126207);
    EXPECT_EQ(ProgressCaption(2, 3), " 66.66 % completas");
    EXPECT_EQ(ProgressCaption(1500, 1000), " 100.00 % completas");
    EXPECT_EQ(ManualProgressCaption(90, 60), "100.0 % completas");  // bytes beyond the dump
}

namespace {

QByteArray TwoSetDump() {
    SetBytes a, b;
    a.records = Records(3);
    b.records = Records(4);
    b.intervalMin = 1, b.intervalSec = 0;
    return a.bytes() + b.bytes();
}

// A scripted logger on a fake port, downloaded on a meter link whose live reader's restarts
// are counted; the window may close (cancel) or the program stop on the way.
struct Download {
    AppState state;
    VirtualClock clock;
    FakePort port{&clock};
    LoggerScript meter;
    LoggerMemory memory;
    const QByteArray dump = TwoSetDump();
    int emptyMessages = 0;
    QList<qint64> progress;
    bool closeAtHalf = false, stopping = false;
    qint64 silenceMs = kLoggerSilenceMs;
    int starts = 0;

    Download() {
        state.link.MeterOnline = true;
        meter.attach(port);
    }
    void holdsTheDump(int chunk) {
        meter.statusReplies = {StatusReply(2048 + dump.size(), 2)};
        meter.dump = dump;
        meter.chunk = chunk;
    }
    DownloadOutcome go() {
        if (const auto refused = DownloadRefusal(state)) return *refused;
        MeterLink link(port, clock, state.link);
        CountingReader live(state.link);
        link.setLive(&live);
        const int before = live.starts;
        DownloadHooks h;
        std::unique_ptr<DownloadLogger> ex;
        h.progress = [&](qint64 got, qint64) {
            progress << got;
            if (closeAtHalf && got > 0) link.cancel(*ex);
        };
        h.nothingStored = [this] { ++emptyMessages; };
        h.silenceMs = silenceMs;
        ex = std::make_unique<DownloadLogger>(state.link, memory, h);
        int done = 0;
        if (stopping) link.stop();
        if (link.run(*ex, [&] { ++done; })) clock.advanceUntil([&] { return done > 0; }, 600000);
        EXPECT_LE(done, 1);
        starts = live.starts - before;
        link.setLive(nullptr);
        return ex->outcome();
    }
};

}  // namespace

TEST(LoggerDownload, badStatusRepliesAreAskedAgainAndOnlyTheDumpIsKept) {
    Download run;
    const QByteArray good = StatusReply(2048 + run.dump.size(), 3);  // claims one set too many
    QByteArray wrongStart = good;
    wrongStart[0] = 7;
    run.meter.statusReplies = {good.left(6), good + char(0), wrongStart, good};
    run.meter.dump = run.dump + QByteArray(47, char(0xAA));  // live frames right after the dump
    run.meter.chunk = 10;
    EXPECT_EQ(run.go(), DownloadOutcome::Done);
    EXPECT_EQ(run.meter.statusQueries, 4);
    EXPECT_EQ(run.memory.MemoryDump, run.dump);
    ASSERT_EQ(run.memory.sets.size(), 2u);
    EXPECT_EQ(run.starts, 1);
    EXPECT_EQ(run.progress.last(), run.dump.size());
    EXPECT_TRUE(run.port.written.endsWith("QC"));
}

TEST(LoggerDownload, twoThousandFortyEightInUseMeansNothingStored) {
    Download run;
    run.meter.statusReplies = {StatusReply(2048, 0)};
    EXPECT_EQ(run.go(), DownloadOutcome::NothingStored);
    EXPECT_EQ(run.emptyMessages, 1);
    EXPECT_EQ(run.port.written.count('C'), 0);
}

TEST(LoggerDownload, refusedWhileLoggingOrBusyAndSilentWhenOffline) {
    Download run;
    run.state.live.flags.FlagRun = true;
    EXPECT_EQ(run.go(), DownloadOutcome::Refused);
    run.state.live.flags.FlagRun = false;
    run.state.link.KeypadBusy = true;
    EXPECT_EQ(run.go(), DownloadOutcome::Refused);
    EXPECT_TRUE(run.state.link.KeypadBusy);  // the other exchange keeps it
    run.state.link.KeypadBusy = false;
    run.state.link.MeterOnline = false;  // refused before the link is asked
    EXPECT_EQ(run.go(), DownloadOutcome::Offline);
    EXPECT_TRUE(run.port.written.isEmpty());
    EXPECT_EQ(run.starts, 0);
}

TEST(LoggerDownload, silenceGarbageDeafnessClosingAndStoppingAbortWithinTheLimit) {
    // The last two under the caller's limit of 2 s: in the status loop, then in the dump loop.
    enum Case { SilentMidDump, WindowClosed, GarbageStatus, Deaf, Stopping, DeafIn2s, NoDumpIn2s };
    const auto outcome = [](Case c) {
        return c == SilentMidDump || c == NoDumpIn2s ? DownloadOutcome::Cut
                                                     : DownloadOutcome::Aborted;
    };
    for (Case c :
         {SilentMidDump, WindowClosed, GarbageStatus, Deaf, Stopping, DeafIn2s, NoDumpIn2s}) {
        SCOPED_TRACE(int(c));
        const bool deaf = c == Deaf || c == DeafIn2s;
        Download run;
        run.holdsTheDump(8);
        if (c == SilentMidDump) run.meter.dump = run.dump.left(40);
        if (c == NoDumpIn2s) run.meter.dump.clear();
        if (c == GarbageStatus) run.meter.statusReplies = {QByteArray("\x02\x00\x10", 3)};
        if (deaf) run.meter.statusReplies.clear();
        run.meter.answersQ = !deaf;
        run.closeAtHalf = c == WindowClosed;
        run.stopping = c == Stopping;
        if (c >= DeafIn2s) run.silenceMs = 2000;
        EXPECT_EQ(run.go(), outcome(c));
        EXPECT_LT(run.clock.nowMs(), c >= DeafIn2s ? 3000 : 12000);
        EXPECT_TRUE(c < DeafIn2s || run.clock.nowMs() >= 2000);
        EXPECT_TRUE(c != SilentMidDump || run.clock.nowMs() >= 10000);  // not at a mere pause
        EXPECT_TRUE(c != WindowClosed || run.progress.size() == 1);     // no read after the close
        EXPECT_TRUE(c != GarbageStatus || run.meter.statusQueries > 10);
        EXPECT_FALSE(run.state.link.KeypadBusy);
        EXPECT_EQ(run.starts, c == Stopping ? 0 : 1);  // a closing program polls no more
        EXPECT_TRUE(run.memory.sets.empty());
    }
}

TEST(LoggerDownload, dumpEndsWhereLiveFramesBeginNeverAtAPause) {
    // After 40 bytes the line pauses. Then the rest of the dump three seconds later, or the
    // meter's live frames 50 or 500 ms later.
    struct Case {
        qint64 afterMs;
        bool rest;
        DownloadOutcome outcome;
    };
    for (const Case& c : {Case{3000, true, DownloadOutcome::Done},
                          {50, false, DownloadOutcome::Cut},
                          {500, false, DownloadOutcome::Cut}}) {
        SCOPED_TRACE(c.afterMs);
        Download run;
        run.holdsTheDump(8);
        run.meter.dump = run.dump.left(40);
        bool scheduled = false;
        run.clock.addListener([&](qint64 now) {
            if (scheduled || !run.port.written.contains('C')) return;
            scheduled = true;
            QByteArray frames;
            for (int i = 0; i < 4; ++i) frames += FrameBuilder().bytes();
            run.port.at(now + 5 + c.afterMs, (c.rest ? run.dump.mid(40) : QByteArray()) + frames);
        });
        EXPECT_EQ(run.go(), c.outcome);
        EXPECT_EQ(run.memory.sets.size(), c.rest ? 2u : 0u);
        EXPECT_EQ(run.memory.MemoryDump, c.rest ? run.dump : QByteArray());
        EXPECT_LT(run.clock.nowMs(), c.afterMs + 1000);
        EXPECT_FALSE(run.state.link.KeypadBusy);
    }
}

TEST(DumpReceiver, endsWhereAWholeFrameBeginsInsideTheDump) {
    const QByteArray frame = FrameBuilder().bytes();
    QByteArray startOnly(60, char(0x11));  // 255 170 inside, no 3 46 bytes on
    startOnly[10] = char(0xFF), startOnly[11] = char(0xAA);
    QByteArray startAtTheEnd(60, char(0x11));
    startAtTheEnd[58] = char(0xFF), startAtTheEnd[59] = char(0xAA);
    const QByteArray dump(60, char(0x22));
    struct Row {
        const char* name;
        QByteArray stream;
        bool cut, complete;
        qint64 received;
    } rows[] = {
        {"frame after the whole dump", dump + frame, false, true, 60},
        {"frame in the middle of a record", dump.left(30) + frame + frame, true, false, 30},
        {"frame where a record begins", dump.left(40) + frame, true, false, 40},
        {"frame start with no end byte", startOnly + frame, false, true, 60},
        {"frame start in the last bytes, nothing after", startAtTheEnd, false, false, 60},
        {"frame start in the last bytes, then a frame", startAtTheEnd + frame, false, true, 60},
    };
    for (const Row& row : rows) {
        for (int chunk : {1, 7, 1000}) {
            SCOPED_TRACE(std::string(row.name) + ", chunk " + std::to_string(chunk));
            DumpReceiver d(60);
            for (qsizetype at = 0; at < row.stream.size(); at += chunk)
                d.add(row.stream.mid(at, chunk));
            EXPECT_EQ(d.cut(), row.cut);
            EXPECT_EQ(d.complete(), row.complete);
            EXPECT_EQ(d.received(), row.received);
            EXPECT_EQ(d.dump(), row.stream.left(qsizetype(row.received)));
        }
    }
}
