#include <gtest/gtest.h>

#include "core/link/VirtualClock.h"
#include "core/memory/LoggerBytes.h"
#include "core/memory/LoggerDownload.h"
#include "core/memory/ScriptedLogger.h"

using namespace montira;
using namespace montira::testing;

namespace {

struct Download {
    AppState state;
    VirtualClock clock;
    LoggerMemory memory;
    int stops = 0, starts = 0, begins = 0, emptyMessages = 0;
    QList<qint64> progress;
    bool closeAtHalf = false;

    Download() { state.link.MeterOnline = true; }

    DownloadOutcome go(SerialPort& port) {
        DownloadHooks h;
        h.stopPoll = [this] { ++stops; };
        h.startPoll = [this] { ++starts; };
        h.begin = [this](const MemoryStatus&) { ++begins; };
        h.progress = [this](qint64 got, qint64) { progress << got; };
        h.cancelled = [this] { return closeAtHalf && !progress.isEmpty() && progress.last() > 0; };
        h.nothingStored = [this] { ++emptyMessages; };
        return DownloadLogger(port, clock, state, memory, h);
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

// A logger holding the two sets, answering the status query at once.
void Load(ScriptedLogger& port, int chunk) {
    port.dump = TwoSetDump();
    port.statusReplies = {StatusReply(2048 + port.dump.size(), 2)};
    port.chunk = chunk;
}

}  // namespace

TEST(LoggerDownload, statusThenDumpSplitIntoSetsAndThePollRunsAgain) {
    ScriptedLogger port;
    Load(port, 10);
    const QByteArray dump = port.dump;
    Download run;
    EXPECT_EQ(run.go(port), DownloadOutcome::Done);
    EXPECT_EQ(run.memory.MemoryDump, dump);
    EXPECT_EQ(run.memory.MemoryUsed, 2048 + dump.size());
    ASSERT_EQ(run.memory.sets.size(), 2u);
    EXPECT_EQ(run.memory.sets[1].SetInterval, 60);
    EXPECT_FALSE(run.state.link.KeypadBusy);
    EXPECT_EQ(run.starts, 1);
    EXPECT_GE(run.stops, 2);
    EXPECT_EQ(run.begins, 1);
    EXPECT_EQ(run.progress.last(), dump.size());
    // Q…c, then Q…C: one status query, one dump command.
    EXPECT_EQ(port.written.count('c'), 1);
    EXPECT_EQ(port.written.count('C'), 1);
    EXPECT_TRUE(port.written.endsWith("QC"));
}

TEST(LoggerDownload, statusRepliesOfSixOrEightBytesOrBadFramingAreAskedAgain) {
    ScriptedLogger port;
    const QByteArray dump = TwoSetDump();
    const QByteArray good = StatusReply(2048 + dump.size(), 2);
    QByteArray wrongStart = good;
    wrongStart[0] = 7;
    port.statusReplies = {good.left(6), good + char(0), wrongStart, good};
    port.dump = dump;
    Download run;
    EXPECT_EQ(run.go(port), DownloadOutcome::Done);
    EXPECT_EQ(port.statusQueries, 4);
    EXPECT_EQ(run.memory.sets.size(), 2u);
}

TEST(LoggerDownload, emptyLoggerShowsTheMessageAndOpensNoWindow) {
    ScriptedLogger port;
    port.statusReplies = {StatusReply(2048, 0)};
    Download run;
    EXPECT_EQ(run.go(port), DownloadOutcome::NothingStored);
    EXPECT_EQ(run.emptyMessages, 1);
    EXPECT_EQ(run.begins, 0);
    EXPECT_FALSE(run.state.link.KeypadBusy);
    EXPECT_EQ(run.starts, 1);
    EXPECT_EQ(port.written.count('C'), 0);
}

TEST(LoggerDownload, bytesAfterTheDumpAreNotPartOfIt) {
    ScriptedLogger port;
    const QByteArray dump = TwoSetDump();
    port.statusReplies = {StatusReply(2048 + dump.size(), 3)};  // claims one set too many
    port.dump = dump;
    port.trailer = QByteArray(47, char(0xAA));
    port.chunk = 4096;
    Download run;
    EXPECT_EQ(run.go(port), DownloadOutcome::Done);
    EXPECT_EQ(run.memory.MemoryDump, dump);
    EXPECT_EQ(run.memory.sets.size(), 2u);
}

TEST(LoggerDownload, refusedWhileLoggingOrBusyAndSilentWhenOffline) {
    ScriptedLogger port;
    port.statusReplies = {StatusReply(4096, 1)};
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

TEST(LoggerDownload, meterFallingSilentMidDumpAbortsAfterTenSeconds) {
    ScriptedLogger port;
    Load(port, 8);
    port.silentAfter = 40;
    Download run;
    const qint64 t0 = run.clock.nowMs();
    EXPECT_EQ(run.go(port), DownloadOutcome::Aborted);
    const qint64 took = run.clock.nowMs() - t0;
    EXPECT_GE(took, 10000);
    EXPECT_LT(took, 12000);
    EXPECT_FALSE(run.state.link.KeypadBusy);
    EXPECT_EQ(run.starts, 1);
    EXPECT_TRUE(run.memory.sets.empty());
}

TEST(LoggerDownload, closingTheWindowAbortsAtOnce) {
    ScriptedLogger port;
    Load(port, 8);
    Download run;
    run.closeAtHalf = true;
    EXPECT_EQ(run.go(port), DownloadOutcome::Aborted);
    EXPECT_EQ(run.progress.size(), 1);  // no read after the one that saw the window closed
    EXPECT_FALSE(run.state.link.KeypadBusy);
    EXPECT_EQ(run.starts, 1);
}

TEST(LoggerDownload, statusLoopNeverHangs) {
    // Garbage forever, a meter that ignores the handshake, a program that is closing.
    ScriptedLogger garbage, deaf, fine;
    garbage.statusReplies = {QByteArray("\x02\x00\x10", 3)};
    deaf.answersQ = false;
    fine.statusReplies = {StatusReply(3048, 1)};
    for (ScriptedLogger* port : {&garbage, &deaf, &fine}) {
        Download run;
        if (port == &fine) run.clock.requestStop();
        EXPECT_EQ(run.go(*port), DownloadOutcome::Aborted);
        EXPECT_LT(run.clock.nowMs(), 12000);
        EXPECT_FALSE(run.state.link.KeypadBusy);
        EXPECT_EQ(run.starts, 1);
    }
    EXPECT_GT(garbage.statusQueries, 10);
}

TEST(LoggerErase, oneDAfterTheHandshakeEvenWhenTheMeterIsDeaf) {
    for (bool answers : {true, false}) {
        ScriptedLogger port;
        port.answersQ = answers;
        AppState state;
        VirtualClock clock;
        QStringList calls;
        EraseLogger(
            port, clock, state.link, [&] { calls << "stop"; }, [&] { calls << "start"; });
        EXPECT_TRUE(port.written.endsWith("QD"));
        EXPECT_EQ(port.written.count('D'), 1);
        if (answers) {
            EXPECT_EQ(port.written, "QD");
        }
        EXPECT_EQ(calls, (QStringList{"stop", "start"}));
        EXPECT_LT(clock.nowMs(), 12000);
    }
}
