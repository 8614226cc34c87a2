#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/AppState.h"
#include "core/live/LiveListFeed.h"
#include "core/live/Recorder.h"
#include "core/live/SampleTick.h"

using namespace montira;

namespace {

struct Rig {
    QTemporaryDir dir;
    AppState state;
    Recorder recorder{state};
    LiveListFeed list{state};
    SampleTicker ticker{state, recorder, list};
    QDateTime now{QDate(2024, 5, 6), QTime(7, 8, 9)};
    Rig() {
        Reading& r = state.live.reading;
        r.DryText = "30.0", r.DryTextF = "86.0";
        r.WbgtIndoorText = "26.0", r.WbgtOutdoorText = "- - -";
        r.WbgtIndoorTextF = "78.8", r.WbgtOutdoorTextF = "- - -";
    }
    // Which of `n` ticks were sample ticks, as a string of 1s and 0s.
    QString pattern(int n) {
        QString s;
        for (int i = 0; i < n; ++i) s += ticker.tick(now) ? '1' : '0';
        return s;
    }
};

}  // namespace

TEST(SampleTickCounting, intervalOneSamplesEveryTickAndNSamplesAtOnceThenEveryN) {
    Rig rig;
    rig.state.SampleInterval = 1;
    EXPECT_EQ(rig.pattern(4), "1111");
    rig.state.SampleInterval = 3;
    rig.state.SampleTick = 0;  // the Sample button resets it
    EXPECT_EQ(rig.pattern(8), "10010010");
    rig.state.SampleInterval = 2;  // the load's default
    rig.state.SampleTick = 0;
    EXPECT_EQ(rig.pattern(5), "10101");
}

TEST(SampleTickCounting, reentryFromAHookIsIgnored) {
    Rig rig;
    rig.state.SampleInterval = 1;
    rig.state.ListOpen = true;
    int nested = 0;
    rig.list.rowAdded = [&](const QStringList&, const QStringList&) {
        nested += rig.ticker.tick(rig.now) ? 1 : 0;
    };
    EXPECT_TRUE(rig.ticker.tick(rig.now));
    EXPECT_EQ(nested, 0);
    EXPECT_EQ(rig.state.ListCount, 1);
}

TEST(LiveListFeedRows, every24800RowsTheListIsSavedToTheDialogFolderAndRestarts) {
    Rig rig;
    rig.state.SampleInterval = 1;
    rig.state.ListOpen = true;
    rig.state.ListCelsius = false;
    rig.state.LastDialogFolder = rig.dir.path();
    rig.state.HeaderOn = true;
    rig.ticker.headerTexts = [] { return HeaderTexts{"N", "S", "C"}; };
    int restarts = 0;
    rig.list.restarted = [&] { ++restarts; };
    rig.pattern(24799);
    EXPECT_EQ(restarts, 0);
    rig.pattern(1);
    EXPECT_EQ(restarts, 1);
    EXPECT_TRUE(rig.state.ListOpen);
    EXPECT_EQ(rig.list.rows(false).rowCount(), 0);
    const QString saved = rig.dir.filePath("0506070809.plv");
    EXPECT_EQ(rig.list.lastAutoSave(), saved);
    QFile f(saved);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    ASSERT_EQ(lines.size(), 3 + 1 + 24800 + 1);
    EXPECT_EQ(lines[0], "*****N\r");
    EXPECT_TRUE(
        lines[3].startsWith("(\xB0"
                            "F)\tData\t"));
    EXPECT_TRUE(lines[4].startsWith("1\t24/05/06\t07:08:09\t86.0\t"));
    EXPECT_TRUE(lines[24803].startsWith("24800\t"));

    rig.pattern(1);  // numbering goes on in the new list
    EXPECT_EQ(rig.list.rows(false).field(0, 0), "24801");
}

TEST(LiveListFeedRows, failedAutoSaveKeepsTheRows) {
    Rig rig;
    rig.state.SampleInterval = 1;
    rig.state.ListOpen = true;
    rig.state.LastDialogFolder = rig.dir.path();
    QDir(rig.dir.path()).mkdir("0506070809.plv");  // the name is taken by a folder
    rig.state.ListCount = LiveListFeed::kRowsPerList - 1;
    rig.pattern(1);
    EXPECT_TRUE(rig.list.lastAutoSave().isEmpty());
    EXPECT_EQ(rig.list.rows(true).rowCount(), 1);
    EXPECT_EQ(rig.list.rows(true).field(0, 0), "24800");
}

TEST(SampleTickAverages, workLoadWindowGetsTheWbgtAveragesPerSample) {
    Rig rig;
    rig.state.SampleInterval = 1;
    int shown = 0;
    rig.ticker.averagesChanged = [&] { ++shown; };
    rig.pattern(2);
    EXPECT_EQ(shown, 0);
    rig.state.WorkLoadOpen = true;
    rig.pattern(1);
    rig.state.live.reading.WbgtIndoorText = "28.0";
    rig.pattern(1);
    EXPECT_EQ(shown, 2);
    EXPECT_DOUBLE_EQ(rig.state.AvgWbgtIndoor, 27.0);
    EXPECT_EQ(rig.state.AvgSampleCount, 2);
}
