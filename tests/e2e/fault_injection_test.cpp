// Faults on the line, end to end: `montira-cli sim --pty --control` takes fault commands on
// its standard input while montira-cli or montira (offscreen) talks to it through QSerialPort.
// Every case checks that the program never hangs or crashes (it keeps running, or ends with
// its documented code within a bound), comes back when the meter does where it can, and that
// a recording holds every sample taken before the fault as complete lines. The suite writes
// its tally to $MONTIRA_RELIABILITY_OUT (default: fault-injection-counts.txt in the working
// folder); tools/reliability.sh puts it into the README.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>

#include "support/Processes.h"

using montira::test::Cli;
using montira::test::FileLines;
using montira::test::RunResult;

namespace {

// montira-cli's exit codes.
constexpr int kDone = 0, kFailure = 1, kNoMeter = 3;

struct Tally {
    int tried = 0, survived = 0, lost = 0;
};
Tally& Counts() {
    static Tally t;
    return t;
}

class CountsWriter : public ::testing::Environment {
public:
    void TearDown() override {
        const QString path = qEnvironmentVariable("MONTIRA_RELIABILITY_OUT",
                                                  QStringLiteral("fault-injection-counts.txt"));
        if (Counts().tried == 0) return;
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
        f.write(QStringLiteral("faults_tried=%1\nfaults_survived=%2\nrecords_lost=%3\n")
                    .arg(Counts().tried)
                    .arg(Counts().survived)
                    .arg(Counts().lost)
                    .toUtf8());
    }
};
[[maybe_unused]] ::testing::Environment* const kCountsWriter =
    ::testing::AddGlobalTestEnvironment(new CountsWriter);

// The simulated meter in its own process, obeying fault commands.
struct FaultySim : montira::test::SimProcess {
    explicit FaultySim(const QStringList& extra = {})
        : SimProcess(QStringList{"--control"} + extra) {}
};

// A recording's file: data lines that are whole and numbered in order, and those that are not.
struct RecordingFile {
    int complete = 0;
    int broken = 0;
};

RecordingFile Inspect(const QString& path) {
    RecordingFile r;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return r;
    const QByteArray all = f.readAll();
    if (!all.isEmpty() && !all.endsWith('\n')) ++r.broken;  // a half-written last line
    for (const QByteArray& l : all.split('\n').mid(1, all.count('\n') - 1)) {
        const bool whole = l.count('\t') == 12 && l.endsWith("\t\r") &&
                           l.startsWith(QByteArray::number(r.complete + 1) + '\t');
        ++(whole ? r.complete : r.broken);
    }
    return r;
}

// Samples written so far, once at least `n` are there (or what there is after `waitMs`).
int WaitForSamples(const QString& path, int n, int waitMs = 20000) {
    QElapsedTimer t;
    t.start();
    while (Inspect(path).complete < n && t.elapsed() < waitMs) QThread::msleep(50);
    return Inspect(path).complete;
}

// Ends `p` within `boundMs`; -1 when it hung (then it is killed) or crashed.
int ExitWithin(QProcess& p, int boundMs) {
    if (!p.waitForFinished(boundMs)) {
        p.kill();
        p.waitForFinished(5000);
        return -1;
    }
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

// Every fault is one case: it survived when the test did not fail.
class FaultInjection : public ::testing::Test {
protected:
    void TearDown() override {
        ++Counts().tried;
        if (!HasFailure()) ++Counts().survived;
        Counts().lost += lost_;
    }
    void startRecording(const QString& port, int samples) {
        out_ = dir_.filePath("ensaio.plv");
        rec_.start(MONTIRA_CLI_PATH,
                   {"record", "--port", port, "--out", out_, "--samples", QString::number(samples),
                    "--interval", "1", "--timeout", "20"});
        ASSERT_TRUE(rec_.waitForStarted(10000));
    }
    // Samples taken before the fault that the file does not hold whole, plus broken lines.
    void countLost(int before) {
        const RecordingFile f = Inspect(out_);
        lost_ = std::max(0, before - f.complete) + f.broken;
        EXPECT_EQ(lost_, 0) << "complete " << f.complete << ", broken " << f.broken;
    }
    QTemporaryDir dir_;
    QString out_;
    QProcess rec_;
    int lost_ = 0;
};

}  // namespace

TEST_F(FaultInjection, recordingRidesOutASilenceInTheMiddleOfAFrame) {
    FaultySim sim;
    startRecording(sim.path(), 8);
    ASSERT_GE(WaitForSamples(out_, 3), 3);
    sim.send("silence 2500 20");  // 20 bytes of the next frame, then nothing
    EXPECT_EQ(ExitWithin(rec_, 30000), kDone) << rec_.readAllStandardError().constData();
    countLost(8);
}

TEST_F(FaultInjection, recordingRidesOutGarbageAndBrokenFramesBetweenGoodOnes) {
    FaultySim sim;
    startRecording(sim.path(), 8);
    ASSERT_GE(WaitForSamples(out_, 2), 2);
    for (int i = 0; i < 12; ++i) {
        sim.send(i % 2 ? "broken 1" : "garbage 40");
        QThread::msleep(300);
    }
    EXPECT_EQ(ExitWithin(rec_, 30000), kDone) << rec_.readAllStandardError().constData();
    countLost(8);
}

TEST_F(FaultInjection, recordingEndsAsSilentMeterWhenTheAdapterIsPulled) {
    FaultySim sim;
    startRecording(sim.path(), 1000);
    const int before = WaitForSamples(out_, 3);
    ASSERT_GE(before, 3);
    sim.send("hangup 2000");
    EXPECT_EQ(ExitWithin(rec_, 15000), kNoMeter);
    countLost(before);
}

TEST_F(FaultInjection, recordingUnderAFloodOfBytesEndsCleanlyOrGoesOn) {
    FaultySim sim;
    startRecording(sim.path(), 8);
    const int before = WaitForSamples(out_, 3);
    ASSERT_GE(before, 3);
    sim.send("flood 300000");
    const int code = ExitWithin(rec_, 40000);
    EXPECT_TRUE(code == kDone || code == kNoMeter) << code;
    countLost(code == kDone ? 8 : before);
}

TEST_F(FaultInjection, secondProgramOnTheSamePortIsTurnedAwayAndTheFirstGoesOn) {
    FaultySim sim;
    startRecording(sim.path(), 6);
    ASSERT_GE(WaitForSamples(out_, 2), 2);
    QElapsedTimer t;
    t.start();
    const RunResult second = Cli({"clock", "--port", sim.path(), "--timeout", "5"}, 15000);
    EXPECT_EQ(second.code, kFailure) << second.errText().toStdString();
    EXPECT_TRUE(second.errText().contains("em uso")) << second.errText().toStdString();
    EXPECT_LT(t.elapsed(), 5000);
    EXPECT_EQ(ExitWithin(rec_, 30000), kDone) << rec_.readAllStandardError().constData();
    countLost(6);
}

// The command of `args` on `sim` ends as a silent meter within `boundMs` of the cut; asked
// again once the meter is back (`backMs` after the cut), it succeeds and gives that result.
RunResult CutThenAgain(FaultySim& sim, const QStringList& args, int boundMs, int backMs) {
    QElapsedTimer t;
    t.start();
    const RunResult cut = Cli(args + QStringList{"--port", sim.path(), "--timeout", "3"}, 30000);
    EXPECT_EQ(cut.code, kNoMeter) << cut.errText().toStdString();
    EXPECT_LT(t.elapsed(), boundMs);
    while (t.elapsed() < backMs) QThread::msleep(100);
    const RunResult again = Cli(args + QStringList{"--port", sim.path(), "--timeout", "10"}, 60000);
    EXPECT_EQ(again.code, kDone) << again.errText().toStdString();
    return again;
}

TEST_F(FaultInjection, downloadCutInTheMiddleOfTheDumpEndsAsSilentMeterThenSucceeds) {
    FaultySim sim({"--full-logger"});
    sim.send("silence 6000 5000 C");  // 5000 bytes into the dump
    EXPECT_FALSE(CutThenAgain(sim, {"memory"}, 20000, 9000).out.isEmpty());
}

TEST_F(FaultInjection, clockExchangeCutInTheMiddleEndsAsSilentMeterThenSucceeds) {
    FaultySim sim;
    sim.send("silence 5000 2 G");  // two bytes of the clock reply, then nothing
    const QByteArray out = CutThenAgain(sim, {"clock"}, 15000, 6000).out;
    EXPECT_EQ(out.trimmed().size(), 17) << out.constData();  // YY/MM/DD hh:nn:ss
}

namespace {

// montira offscreen, printing the panel's values after every frame shown.
class TracedApp {
public:
    explicit TracedApp(const QString& port) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        proc_.setProcessEnvironment(env);
        proc_.start(MONTIRA_APP_PATH, {"--port", port, "--lang", "pt", "--selftest-trace-values"});
    }
    ~TracedApp() {
        proc_.kill();
        proc_.waitForFinished(5000);
    }
    // Waits until `more` further frames were shown; false after `waitMs`.
    bool framesShown(int more, int waitMs) {
        const int target = lines_ + more;
        QElapsedTimer t;
        t.start();
        while (lines_ < target && t.elapsed() < waitMs) {
            proc_.waitForReadyRead(50);
            lines_ += int(proc_.readAllStandardOutput().count('\n'));
        }
        return lines_ >= target;
    }
    bool running() const { return proc_.state() == QProcess::Running; }

private:
    QProcess proc_;
    int lines_ = 0;
};

}  // namespace

TEST_F(FaultInjection, mainWindowFindsTheMeterAgainWhenItReturnsOnTheSamePath) {
    const QString link = dir_.filePath("medidor");
    FaultySim sim({"--link", link});
    TracedApp app(link);
    ASSERT_TRUE(app.framesShown(2, 20000));
    sim.send("hangup 1500");
    EXPECT_FALSE(sim.nextPath(10000).isEmpty());
    EXPECT_TRUE(app.framesShown(2, 15000));
    EXPECT_TRUE(app.running());
}

TEST_F(FaultInjection, mainWindowKeepsWaitingWhenTheMeterReturnsOnAnotherPath) {
    FaultySim sim;
    TracedApp app(sim.path());
    ASSERT_TRUE(app.framesShown(2, 20000));
    sim.send("move 500");
    const QString moved = sim.nextPath(10000);
    EXPECT_FALSE(moved.isEmpty());
    EXPECT_NE(moved, sim.path());
    EXPECT_FALSE(app.framesShown(1, 4000));  // nothing to find at the old path
    EXPECT_TRUE(app.running());
}

TEST_F(FaultInjection, mainWindowComesBackAfterAFloodAndASilence) {
    FaultySim sim;
    TracedApp app(sim.path());
    ASSERT_TRUE(app.framesShown(2, 20000));
    sim.send("flood 300000");
    QThread::msleep(500);
    sim.send("silence 3000");
    QThread::msleep(3200);
    EXPECT_TRUE(app.framesShown(2, 15000));
    EXPECT_TRUE(app.running());
}

TEST_F(FaultInjection, samplingReplyCutAfterOneByteIsReadOnceAndReportedIncomplete) {
    FaultySim sim;
    sim.send("silence 3000 1 J");  // the minutes byte (0: seconds), then nothing
    const RunResult r = Cli({"sampling", "--port", sim.path(), "--timeout", "20"}, 40000);
    EXPECT_EQ(r.code, kNoMeter) << r.errText().toStdString();
    EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();  // no interval made up from one byte
    EXPECT_TRUE(r.errText().contains("incompleta")) << r.errText().toStdString();
}

TEST_F(FaultInjection, loggerDumpPausedThenFollowedByFramesEndsAsSilentMeterAtOnce) {
    FaultySim sim({"--full-logger"});
    sim.send("silence 2000 5000 C");  // shorter than the silence limit: frames come after it
    QElapsedTimer t;
    t.start();
    const RunResult r =
        Cli({"memory", "--port", sim.path(), "--set", "1", "--out", dir_.filePath("conjunto.plv")},
            60000);
    EXPECT_EQ(r.code, kNoMeter) << r.errText().toStdString();
    EXPECT_LT(t.elapsed(), 10000);
    EXPECT_FALSE(QFile::exists(dir_.filePath("conjunto.plv")));
}

TEST_F(FaultInjection, manualDumpCutMidwayKeepsTheOldFileAndOnlyTheRecordsBeforeTheCut) {
    // One record and a half of three, then the live frames 50, 200 or 500 ms later, or none.
    const QString out = dir_.filePath("manual.plv");
    const QString partial = dir_.filePath("manual-parcial.plv");
    const QByteArray good = "a good file from an earlier download\r\n";
    for (const char* cut : {"cut 30 50", "cut 30 200", "cut 30 500", "cut 30"}) {
        SCOPED_TRACE(cut);
        QFile::remove(partial);
        QFile f(out);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(good);
        f.close();
        FaultySim sim;
        sim.send(cut);
        const RunResult r = Cli({"manual", "--port", sim.path(), "--out", out}, 60000);
        EXPECT_EQ(r.code, kNoMeter) << r.errText().toStdString();
        EXPECT_TRUE(r.errText().contains("interrompida")) << r.errText().toStdString();
        EXPECT_TRUE(r.errText().contains(partial)) << r.errText().toStdString();
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), good);
        f.close();
        const QList<QByteArray> lines = FileLines(partial);
        ASSERT_EQ(lines.size(), 2);  // the heading and the one whole record
        EXPECT_TRUE(lines[1].startsWith("1\t26/12/01\t10:15:00\t")) << lines[1].constData();
    }
}
