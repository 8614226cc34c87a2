#include <gtest/gtest.h>

#include "core/memory/SetDecoder.h"
#include "core/meter/LoggerSets.h"
#include "support/LoggerBytes.h"

using namespace montira;
using namespace montira::test;

namespace {

LoggerSet OneSet(const SetBytes& s) {
    auto sets = SplitSets(s.bytes(), 1);
    EXPECT_EQ(sets.size(), 1u);
    return sets.empty() ? LoggerSet{} : sets[0];
}

struct Rows {
    TextTable c, f;
    Reading r;
    int n = 0;
    explicit Rows(const LoggerSet& set) { n = DecodeSetRows(set, SimCalibration(), r, c, f); }
};

}  // namespace

TEST(LoggerSplit, setsFollowEachOtherWithIntervalAndCountFromTheirHeaders) {
    SetBytes a, b;
    a.intervalMin = 1, a.intervalSec = 30;
    a.records = Records(3);
    b.intervalMin = 10, b.intervalSec = 0;
    b.records = Records(2);
    const auto sets = SplitSets(a.bytes() + b.bytes(), 2);
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[0].SetInterval, 90);
    EXPECT_EQ(sets[1].SetBlock, b.bytes());
    EXPECT_EQ(SetListRow(1, sets[0]), (QStringList{"1", "01:30", "3"}));
    EXPECT_EQ(SetListRow(2, sets[1]), (QStringList{"2", "10:00", "2"}));
}

TEST(LoggerSplit, truncatedDumpIsSplitAndDecodedOnlyAsFarAsItGoes) {
    SetBytes a, b;
    a.records = Records(10);
    b.records = Records(1);
    // Cut after 3 whole records and a piece of the fourth.
    const auto sets = SplitSets(a.bytes().left(16 + 3 * 8 + 5), 1);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].SetRecords, 10);  // listed as the header says
    EXPECT_EQ(sets[0].recordsPresent(), 3);
    const Rows rows(sets[0]);
    EXPECT_EQ(rows.n, 3);
    EXPECT_EQ(rows.f.rowCount(), 3);
    // More sets claimed than there are headers: a piece of a header is no set.
    EXPECT_EQ(SplitSets(b.bytes() + b.bytes() + b.bytes().left(10), 7).size(), 2u);
    EXPECT_TRUE(SplitSets(QByteArray(), 3).empty());
}

TEST(LoggerSplit, setNumbersStopAt65535) {
    const QByteArray one = SetBytes().bytes();
    EXPECT_EQ(SplitSets(one.repeated(70000), 70000).size(), 65535u);
    LoggerMemory m;
    m.sets = SplitSets(one, 1);
    EXPECT_EQ(m.set(0), nullptr);  // the header row's "set 0"
    EXPECT_TRUE(m.set(1) && !m.set(2));
}

TEST(SetStamps, stepsCrossMidnightMonthYearAndLeapDays) {
    struct Case {
        uint8_t yy, mo, dd, hh, mi, ss, iMin, iSec;
        QStringList stamps;
    } cases[] = {
        {26, 12, 31, 23, 58, 30, 1, 30, {"26/12/31 23:58:30", "27/01/01 00:00:00"}},
        {0, 2, 28, 23, 59, 0, 1, 0, {"00/02/28 23:59:00", "00/02/29 00:00:00"}},  // 2000, not 1900
        {25, 2, 28, 23, 59, 0, 1, 0, {"25/02/28 23:59:00", "25/03/01 00:00:00"}},
        {26, 0, 0, 8, 5, 7, 0, 10, {"26/01/01 08:05:07"}},  // never-set clock: January 1st
        {26, 2, 30, 10, 0, 0, 0, 10, {"- - - - - -", "- - - - - -"}},  // 30 February
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.stamps.first().toStdString());
        SetBytes s;
        s.yy = k.yy, s.mo = k.mo, s.dd = k.dd, s.hh = k.hh, s.mi = k.mi, s.ss = k.ss;
        s.intervalMin = k.iMin, s.intervalSec = k.iSec;
        s.records = Records(int(k.stamps.size()));
        const Rows rows(OneSet(s));
        QStringList got;
        for (int i = 0; i < rows.n; ++i) got << rows.c.field(i, 1) + " " + rows.c.field(i, 2);
        EXPECT_EQ(got, k.stamps);
        EXPECT_EQ(rows.c.field(rows.n - 1, 3), "25.0");  // values kept without a stamp
    }
}

TEST(SetRows, fieldsInOrderAndDryBulbOutOfRangeBlanksWhatDependsOnIt) {
    SetBytes s;
    s.records = {{RawC(35.0), RawC(30.0), RawC(24.0), 1000},
                 {RawC(35.0), RawC(100.5), RawC(24.0), 1000}};
    const Rows rows(OneSet(s));
    ASSERT_EQ(rows.n, 2);
    const QStringList rc = rows.c.rowFields(0), rf = rows.f.rowFields(0);
    ASSERT_EQ(rc.size(), 12);
    EXPECT_EQ(rc.mid(0, 4), (QStringList{"1", "26/03/15", "10:00:00", "30.0"}));
    EXPECT_EQ(rf.mid(0, 4), (QStringList{"1", "26/03/15", "10:00:00", "86.0"}));
    EXPECT_EQ(rc[5], "24.0");  // natural wet bulb
    EXPECT_EQ(rc[9], "35.0");  // globe
    EXPECT_EQ(rf[9], "95.0");

    const QStringList bad = rows.c.rowFields(1);
    for (int i : {3, 4, 6, 8, 11})  // dry, dew point, heat index, outdoor WBGT, wind chill
        EXPECT_EQ(bad[i], "- - -") << i;
    EXPECT_EQ(rows.r.HumidexText, "- - -");
    EXPECT_EQ(bad[9], "35.0");
    EXPECT_EQ(bad[7], rc[7]);  // indoor WBGT needs no dry bulb
    EXPECT_EQ(rows.f.rowFields(1)[3], "- - -");
}

TEST(SetRows, speedOffsetAndZeroComeFromTheSetHeader) {
    SetBytes s;
    s.records = {{RawC(30.0), RawC(25.0), RawC(20.0), sim::SpeedCount(1.0)}};
    const LoggerSet plain = OneSet(s);
    s.offsetA = 250, s.offsetB = 50, s.zero = 30;
    const Rows a(plain), b(OneSet(s));
    EXPECT_DOUBLE_EQ(b.r.SpeedOffset, 2.0);
    EXPECT_DOUBLE_EQ(b.r.SpeedZero, 0.3);
    EXPECT_NEAR(b.r.AirSpeed, a.r.AirSpeed - 0.3 + 2.0, 1e-9);
    EXPECT_EQ(b.c.field(0, 10), b.r.AirSpeedText);
}

TEST(SetRows, refusedProgressStopsTheDecoding) {
    SetBytes s;
    s.records = Records(7);
    TextTable c, f;
    Reading r;
    qint64 now = 0;  // every look at the clock finds 60 ms more
    const int n = DecodeSetRows(
        OneSet(s), SimCalibration(), r, c, f, [&](int j) { return j < 4; },
        ProgressPace([&] { return now += 60; }, 100, 1));
    EXPECT_EQ(n, 4);
}
