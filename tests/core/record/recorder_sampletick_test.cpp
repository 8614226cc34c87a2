#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <utility>

#include "core/AppState.h"
#include "core/record/LiveListFeed.h"
#include "core/record/Recorder.h"
#include "core/record/SampleTick.h"

using namespace montira;

namespace {

struct Rig {
    QTemporaryDir dir;
    AppState state;
    Recorder recorder{state};
    SampleTicker ticker{state, recorder};
    LiveListFeed list{state, ticker};
    QDateTime now{QDate(2024, 5, 6), QTime(7, 8, 9)};
    Rig() {
        Reading& r = state.live.reading;
        r.DryText = "30.0", r.DryTextF = "86.0";
        r.WbgtIndoorText = "26.0", r.WbgtOutdoorText = "- - -";
        state.SampleInterval = 1;
        state.LastDialogFolder = dir.path();
    }
    // Which of `n` ticks were sample ticks, as 1s and 0s.
    QString pattern(int n) {
        QString s;
        for (int i = 0; i < n; ++i) s += ticker.tick(now) ? '1' : '0';
        return s;
    }
};

}  // namespace

TEST(SampleTickCounting, samplesAtOnceThenEveryNAndIgnoresReentry) {
    Rig rig;
    for (auto [interval, expected] : {std::pair{1, "1111"}, {3, "10010010"}, {2, "10101"}}) {
        rig.state.SampleInterval = interval;
        rig.state.SampleTick = 0;  // the Sample button resets it
        EXPECT_EQ(rig.pattern(int(strlen(expected))), expected) << interval;
    }
    rig.state.SampleInterval = 1;
    rig.list.open(true);
    int nested = 0;
    rig.list.rowAdded = [&](const QStringList&, const QStringList&) {
        nested += rig.ticker.tick(rig.now) ? 1 : 0;
    };
    EXPECT_TRUE(rig.ticker.tick(rig.now));
    EXPECT_EQ(nested, 0);
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
    const QString saved = rig.dir.filePath("0506070809.plv");
    EXPECT_EQ(rig.list.lastAutoSave(), saved);
    QFile f(saved);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    ASSERT_EQ(lines.size(), 3 + 1 + 24800 + 1);
    EXPECT_EQ(lines[0], "*****N\r");
    EXPECT_TRUE(lines[4].startsWith("1\t24/05/06\t07:08:09\t86.0\t"));
    EXPECT_TRUE(lines[24803].startsWith("24800\t"));
    rig.pattern(1);
    EXPECT_EQ(rig.list.rows(false).field(0, 0), "24801");
}

TEST(LiveListFeedRows, failedAutoSaveKeepsTheRows) {
    Rig rig;
    rig.list.open(true);
    QDir(rig.dir.path()).mkdir("0506070809.plv");  // the name is taken by a folder
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
    EXPECT_EQ(seen, (QStringList{"26.0|30.0", "28.0|30.0"}));
    rig.list.open(true);
    rig.list.close();
    rig.pattern(1);
    EXPECT_EQ(rig.list.rows(true).rowCount(), 0);
}
