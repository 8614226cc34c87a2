#include "core/record/Recorder.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <utility>

#include "core/AppState.h"
#include "core/record/LiveListFeed.h"
#include "core/record/SampleTick.h"
#include "support/FileSizeLimit.h"
#include "support/Processes.h"

using namespace montira;
using montira::test::FileLines;

namespace {

// A recorder, list feed and sample tick over one state, recording into a temporary folder.
struct Rig {
    QTemporaryDir dir;
    AppState state;
    Recorder recorder{state};
    SampleTicker ticker{state, recorder};
    LiveListFeed list{state, ticker};
    QDateTime now{QDate(2024, 3, 7), QTime(9, 0, 0)};
    const QString keptFolder = QDir::currentPath();
    QStringList errors;
    int changes = 0;

    Rig() {
        Reading& r = state.live.reading;
        r.DryText = "28.4", r.DryTextF = "83.1", r.DewText = "18.0", r.DewTextF = "64.4";
        r.WetText = "22.1", r.WetTextF = "71.7", r.HeatIndexText = "29.6",
        r.HeatIndexTextF = "85.3";
        r.WbgtIndoorText = "25.0", r.WbgtIndoorTextF = "77.0", r.WbgtOutdoorText = "24.0";
        r.WbgtOutdoorTextF = "75.2", r.GlobeText = "31.2", r.GlobeTextF = "88.1";
        r.AirSpeedText = "1.6", r.AirSpeedTextFtMin = "315";
        r.WindChillText = r.WindChillTextF = "- - -";
        state.SampleInterval = 1;
        QDir::setCurrent(dir.path());  // where the live list saves itself
        ticker.recordError = [this](const QString& m) { errors << m; };
        recorder.changed = [this] { ++changes; };
    }
    ~Rig() { QDir::setCurrent(keptFolder); }
    QString path(const QString& name) const { return dir.filePath(name); }
    bool startAt(const QString& name) {
        recorder.applySaveDialog(true, path(name));
        return recorder.start();
    }
    // Which of `n` ticks at the same moment were sample ticks, as 1s and 0s.
    QString pattern(int n) {
        QString s;
        for (int i = 0; i < n; ++i) s += ticker.tick(now) ? '1' : '0';
        return s;
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i, now = now.addMSecs(980)) ticker.tick(now);
    }
};

}  // namespace

TEST(RecorderStartStop, recordingKeepsTheUnitItStartedWith) {
    for (bool celsius : {true, false}) {
        SCOPED_TRACE(celsius);
        Rig rig;
        rig.state.CelsiusMode = celsius;
        ASSERT_TRUE(rig.startAt("teste.plv"));
        rig.ticks(2);
        rig.state.CelsiusMode = !celsius;
        rig.ticks(1);
        const QList<QByteArray> lines = FileLines(rig.path("teste.plv"));
        ASSERT_EQ(lines.size(), 4);
        EXPECT_TRUE(lines[0].startsWith(celsius ? "(\260C)\tData\t" : "(\260F)\tData\t"));
        EXPECT_EQ(lines[1],
                  "1\t24/03/07\t09:00:00\t" +
                      QByteArray(celsius ? "28.4\t18.0\t22.1\t29.6\t25.0\t24.0\t31.2\t1.6"
                                         : "83.1\t64.4\t71.7\t85.3\t77.0\t75.2\t88.1\t315") +
                      "\t- - -\t\r");
        EXPECT_TRUE(lines[3].startsWith("3\t24/03/07\t09:00:01\t"));
    }
}

TEST(RecorderStartStop, cancelledDialogOrUncreatableFileLeavesTheRecorderIdle) {
    Rig rig;
    rig.recorder.applySaveDialog(false, QString());
    EXPECT_FALSE(rig.recorder.start());
    rig.recorder.applySaveDialog(true, rig.dir.path() + "/");
    EXPECT_FALSE(rig.recorder.FileChosen);  // a folder without a file title
    EXPECT_FALSE(rig.startAt("no/such/folder/x.plv"));
    EXPECT_FALSE(rig.state.Recording);
    EXPECT_FALSE(rig.recorder.lastError().isEmpty());
}

TEST(RecorderStartStop, idleTickClosesTheFileThatNoDataRoutineStopped) {
    Rig rig;
    ASSERT_TRUE(rig.startAt("n.plv"));
    rig.ticks(2);
    rig.state.Recording = false;  // the meter went silent
    rig.ticks(1);
    EXPECT_FALSE(rig.recorder.fileOpen());
    EXPECT_EQ(FileLines(rig.path("n.plv")).size(), 3);
    const int idle = rig.changes;
    rig.ticks(3);
    EXPECT_EQ(rig.changes, idle);
}

TEST(RecorderFailures, fullDiskNamesTheFileAndCauseAndLeavesOnlyWholeLines) {
    Rig rig;
    ASSERT_TRUE(rig.startAt("cheio.plv"));
    rig.ticks(2);
    const QString path = rig.path("cheio.plv");
    const qint64 whole = QFileInfo(path).size();
    {
        montira::test::FileSizeLimit full(whole + 30);  // part of the next line fits
        rig.ticks(1);
    }
    rig.ticks(2);
    EXPECT_FALSE(rig.state.Recording);
    ASSERT_EQ(rig.errors.size(), 1);
    EXPECT_TRUE(rig.errors[0].startsWith("Erro!Registrando! " + path + ": " +
                                         QString::fromLocal8Bit(std::strerror(EFBIG))))
        << rig.errors[0].toStdString();
    EXPECT_EQ(QFileInfo(path).size(), whole);
    const QList<QByteArray> lines = FileLines(path);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[2].startsWith("2\t24/03/07\t"));
}

TEST(RecorderFailures, aSecondRecordingOfTheSameFileIsRefusedAtOnceAndTakesNothing) {
    Rig first, second;
    ASSERT_TRUE(first.startAt("a.plv"));
    first.ticks(2);
    const QString path = first.path("a.plv");
    second.recorder.applySaveDialog(true, path);
    EXPECT_FALSE(second.recorder.start());
    EXPECT_FALSE(second.state.Recording);
    EXPECT_TRUE(second.recorder.lastError().contains(path) &&
                second.recorder.lastError().contains("já está sendo gravado"))
        << second.recorder.lastError().toStdString();
    first.ticks(1);
    EXPECT_EQ(FileLines(path).size(), 4);  // nothing cut, nothing lost

    first.recorder.stop();
    second.recorder.applySaveDialog(true, path);
    EXPECT_TRUE(second.recorder.start());
}

TEST(RecorderContinuation, recordingOf320001SamplesFillsTheFirstFileAndStartsDashOne) {
    Rig rig;
    ASSERT_TRUE(rig.startAt("a.b.plv"));
    rig.state.HeaderOn = true;
    rig.ticker.headerTexts = [] { return HeaderTexts{"Ana", "Forno", "Aço"}; };
    rig.ticks(320001);
    EXPECT_EQ(rig.recorder.RecordFileSeq, 1);
    const QList<QByteArray> first = FileLines(rig.path("a.b.plv"));
    ASSERT_EQ(first.size(), 320001);  // heading and 320000 records
    EXPECT_TRUE(first.back().startsWith("320000\t"));
    const QList<QByteArray> second = FileLines(rig.path("a-1.b.plv"));
    ASSERT_EQ(second.size(), 5);
    EXPECT_EQ(second[2], "*****A\xE7o\r");
    EXPECT_TRUE(second[4].startsWith("320001\t"));
    EXPECT_TRUE(rig.errors.isEmpty());
}

TEST(RecorderContinuation, uncreatableContinuationStopsRecordingOnceAndKeepsTheFirstFile) {
    Rig rig;
    ASSERT_TRUE(rig.startAt("t.plv"));
    rig.ticks(3);
    QDir(rig.dir.path()).mkdir("t-1.plv");  // the continuation name is taken by a folder
    rig.recorder.RecordCount = kRecordsPerFile;
    rig.ticks(6);
    EXPECT_FALSE(rig.state.Recording);
    ASSERT_EQ(rig.errors.size(), 1);
    EXPECT_TRUE(rig.errors[0].startsWith("Erro!Registrando! " + rig.path("t-1.plv") + ": "));
    EXPECT_FALSE(rig.recorder.fileOpen());
    EXPECT_EQ(FileLines(rig.path("t.plv")).size(), 4);
}

TEST(SampleTickCounting, samplesAtOnceThenEveryN) {
    Rig rig;
    for (auto [interval, expected] : {std::pair{1, "1111"}, {3, "10010010"}, {2, "10101"}}) {
        rig.state.SampleInterval = interval;
        rig.state.SampleTick = 0;  // the Sample button resets it
        EXPECT_EQ(rig.pattern(int(strlen(expected))), expected) << interval;
    }
}

TEST(LiveListFeedRows, every24800RowsTheListIsSavedAndRestarts) {
    Rig rig;
    rig.list.open(false);
    rig.state.HeaderOn = true;
    rig.ticker.headerTexts = [] { return HeaderTexts{"N", "S", "C"}; };
    int restarts = 0;
    rig.list.restarted = [&] { ++restarts; };
    rig.pattern(24799);
    EXPECT_EQ(restarts, 0);
    rig.pattern(1);
    EXPECT_EQ(restarts, 1);
    EXPECT_EQ(rig.list.rows(false).rowCount(), 0);
    const QList<QByteArray> lines = FileLines(rig.path("0307090000.plv"));
    ASSERT_EQ(lines.size(), 3 + 1 + 24800);
    EXPECT_EQ(lines[0], "*****N\r");
    EXPECT_TRUE(lines[4].startsWith("1\t24/03/07\t09:00:00\t83.1\t"));
    EXPECT_TRUE(lines[24803].startsWith("24800\t"));
    rig.pattern(1);
    EXPECT_EQ(rig.list.rows(false).field(0, 0), "24801");
}

TEST(LiveListFeedRows, failedAutoSaveKeepsTheRows) {
    Rig rig;
    rig.list.open(true);
    QDir(rig.dir.path()).mkdir("0307090000.plv");  // the name is taken by a folder
    rig.list.ListCount = LiveListFeed::kRowsPerList - 1;
    rig.pattern(1);
    EXPECT_TRUE(rig.list.lastAutoSave().isEmpty());
    EXPECT_EQ(rig.list.rows(true).rowCount(), 1);
}

TEST(SampleTickSubscribers, windowsGetTheSamplesOnlyWhileTheyFollowThem) {
    Rig rig;
    QStringList seen;
    rig.pattern(1);
    {
        SampleTicker::Subscription follow = rig.ticker.subscribe(
            [&](const Sample& s) { seen << s.reading.WbgtIndoorText + "|" + s.celsius[2]; });
        rig.pattern(1);
        rig.state.live.reading.WbgtIndoorText = "28.0";
        rig.pattern(1);
    }
    rig.pattern(1);  // the window closed
    EXPECT_EQ(seen, (QStringList{"25.0|28.4", "28.0|28.4"}));
}
