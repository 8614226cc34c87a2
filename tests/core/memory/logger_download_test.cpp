#include <gtest/gtest.h>

#include "core/link/VirtualClock.h"
#include "core/memory/LoggerDownload.h"
#include "support/LoggerBytes.h"

using namespace montira;
using namespace montira::test;

namespace {

struct Download {
    AppState state;
    VirtualClock clock;
    LoggerMemory memory;
    int starts = 0, emptyMessages = 0;
    QList<qint64> progress;
    bool closeAtHalf = false;
    qint64 silenceMs = kLoggerSilenceMs;

    Download() { state.link.MeterOnline = true; }

    DownloadOutcome go(SerialPort& port) {
        MeterLink link(port, clock, state.link);
        link.pollSwitch = [this](bool on) { starts += on ? 1 : 0; };
        DownloadHooks h;
        h.progress = [this](qint64 got, qint64) { progress << got; };
        h.cancelled = [this] { return closeAtHalf && !progress.isEmpty() && progress.last() > 0; };
        h.nothingStored = [this] { ++emptyMessages; };
        h.silenceMs = silenceMs;
        return DownloadLogger(link, state, memory, h);
    }
};

QByteArray TwoSetDump() {
    SetBytes a, b;
    a.records = Records(3);
    b.records = Records(4);
    b.intervalMin = 1;
    b.intervalSec = 0;
    return a.bytes() + b.bytes();
}

}  // namespace

TEST(LoggerDownload, badStatusRepliesAreAskedAgainAndOnlyTheDumpIsKept) {
    FakePort port;
    LoggerScript meter;
    const QByteArray dump = TwoSetDump();
    const QByteArray good = StatusReply(2048 + dump.size(), 3);  // claims one set too many
    QByteArray wrongStart = good;
    wrongStart[0] = 7;
    meter.statusReplies = {good.left(6), good + char(0), wrongStart, good};
    meter.dump = dump + QByteArray(47, char(0xAA));  // live frames right after the dump
    meter.chunk = 10;
    meter.attach(port);
    Download run;
    EXPECT_EQ(run.go(port), DownloadOutcome::Done);
    EXPECT_EQ(meter.statusQueries, 4);
    EXPECT_EQ(run.memory.MemoryDump, dump);
    ASSERT_EQ(run.memory.sets.size(), 2u);
    EXPECT_EQ(run.starts, 1);
    EXPECT_EQ(run.progress.last(), dump.size());
    EXPECT_TRUE(port.written.endsWith("QC"));
}

TEST(LoggerDownload, twoThousandFortyEightInUseMeansNothingStored) {
    FakePort port;
    LoggerScript meter;
    meter.statusReplies = {StatusReply(2048, 0)};
    meter.attach(port);
    Download run;
    EXPECT_EQ(run.go(port), DownloadOutcome::NothingStored);
    EXPECT_EQ(run.emptyMessages, 1);
    EXPECT_EQ(port.written.count('C'), 0);
}

TEST(LoggerDownload, refusedWhileLoggingOrBusyAndSilentWhenOffline) {
    FakePort port;
    Download run;
    run.state.live.flags.FlagRun = true;
    EXPECT_EQ(run.go(port), DownloadOutcome::Refused);
    run.state.live.flags.FlagRun = false;
    run.state.link.KeypadBusy = true;
    EXPECT_EQ(run.go(port), DownloadOutcome::Refused);
    EXPECT_TRUE(run.state.link.KeypadBusy);  // the other exchange keeps it
    run.state.link.KeypadBusy = false;
    run.state.link.MeterOnline = false;
    EXPECT_EQ(run.go(port), DownloadOutcome::Offline);
    EXPECT_TRUE(port.written.isEmpty());
    EXPECT_EQ(run.starts, 0);
}

TEST(LoggerDownload, silenceGarbageDeafnessClosingAndStoppingAbortWithinTheLimit) {
    const QByteArray dump = TwoSetDump();
    enum Case { SilentMidDump, WindowClosed, GarbageStatus, Deaf, Stopping };
    for (Case c : {SilentMidDump, WindowClosed, GarbageStatus, Deaf, Stopping}) {
        SCOPED_TRACE(int(c));
        FakePort port;
        LoggerScript meter;
        meter.dump = c == SilentMidDump ? dump.left(40) : dump;
        meter.chunk = 8;
        if (c != Deaf)
            meter.statusReplies = {c == GarbageStatus ? QByteArray("\x02\x00\x10", 3)
                                                      : StatusReply(2048 + dump.size(), 2)};
        meter.answersQ = c != Deaf;
        meter.attach(port);
        Download run;
        run.closeAtHalf = c == WindowClosed;
        if (c == Stopping) run.clock.requestStop();
        EXPECT_EQ(run.go(port), DownloadOutcome::Aborted);
        EXPECT_LT(run.clock.nowMs(), 12000);
        EXPECT_TRUE(c != SilentMidDump || run.clock.nowMs() >= 1000);  // one pause of a second
        EXPECT_TRUE(c != WindowClosed || run.progress.size() == 1);    // no read after the close
        EXPECT_TRUE(c != GarbageStatus || meter.statusQueries > 10);
        EXPECT_FALSE(run.state.link.KeypadBusy);
        EXPECT_EQ(run.starts, c == Stopping ? 0 : 1);  // a closing program polls no more
        EXPECT_TRUE(run.memory.sets.empty());
    }
}

TEST(LoggerDownload, callersSilenceLimitEndsEveryReplyLoop) {
    for (bool deaf : {true, false}) {  // the status loop, then the dump loop
        SCOPED_TRACE(deaf);
        FakePort port;
        LoggerScript meter;
        const QByteArray dump = TwoSetDump();
        meter.dump = QByteArray();  // the dump never begins (a begun one ends at its first pause)
        if (!deaf) meter.statusReplies = {StatusReply(2048 + dump.size(), 2)};
        meter.answersQ = !deaf;
        meter.attach(port);
        Download run;
        run.silenceMs = 2000;
        EXPECT_EQ(run.go(port), DownloadOutcome::Aborted);
        EXPECT_GE(run.clock.nowMs(), 2000);
        EXPECT_LT(run.clock.nowMs(), 3000);
    }
}

TEST(LoggerDownload, dumpThatPausesLongerThanAGapIsAbortedNotPatchedWithWhatFollows) {
    const QByteArray dump = TwoSetDump();
    struct Row {
        const char* name;
        qint64 pauseMs;
        DownloadOutcome expected;
    } rows[] = {{"shortPause", 500, DownloadOutcome::Done},
                {"cutLine", 3000, DownloadOutcome::Aborted}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Download run;
        FakePort port{&run.clock};
        LoggerScript meter;
        meter.dump = dump.left(40);  // then the line pauses
        meter.chunk = 8;
        meter.statusReplies = {StatusReply(2048 + dump.size(), 2)};
        meter.attach(port);
        bool scheduled = false;
        run.clock.addListener([&](qint64 now) {
            if (scheduled || !port.written.contains('C')) return;
            scheduled = true;
            // The rest of the dump after the pause, and what the line carries afterwards.
            port.at(now + r.pauseMs, dump.mid(40) + QByteArray(200, char(0xAA)));
        });
        EXPECT_EQ(run.go(port), r.expected);
        EXPECT_EQ(run.memory.sets.size(), r.expected == DownloadOutcome::Done ? 2u : 0u);
        EXPECT_LT(run.clock.nowMs(), 5000);
    }
}
