#include <gtest/gtest.h>

#include "core/memory/LoggerBytes.h"
#include "core/memory/SetDecoder.h"

using namespace montira;
using namespace montira::testing;

namespace {

LoggerSet OneSet(const SetBytes& s) {
    auto sets = SplitSets(s.bytes(), 1);
    EXPECT_EQ(sets.size(), 1u);
    return sets.empty() ? LoggerSet{} : sets[0];
}

// Date and time columns of every decoded row.
QStringList Stamps(const LoggerSet& set) {
    TextTable c, f;
    Reading r;
    DecodeSetRows(set, SimCalibration(), r, c, f);
    QStringList out;
    for (int i = 0; i < c.rowCount(); ++i) out << c.field(i, 1) + " " + c.field(i, 2);
    return out;
}

}  // namespace

TEST(SetStamps, ninetySecondStepsCrossMidnightMonthAndYear) {
    SetBytes s;
    s.yy = 26, s.mo = 12, s.dd = 31, s.hh = 23, s.mi = 58, s.ss = 30;
    s.intervalMin = 1;
    s.intervalSec = 30;
    s.records = Records(3);
    EXPECT_EQ(Stamps(OneSet(s)),
              (QStringList{"26/12/31 23:58:30", "27/01/01 00:00:00", "27/01/01 00:01:30"}));
    s.mo = 4, s.dd = 30;
    EXPECT_EQ(Stamps(OneSet(s))[1], "26/05/01 00:00:00");
}

TEST(SetStamps, twoDigitYearsAreThisCenturySoLeapDaysComeRight) {
    SetBytes s;
    s.hh = 23, s.mi = 59, s.ss = 0, s.mo = 2, s.dd = 28;
    s.intervalMin = 1;
    s.intervalSec = 0;
    s.records = Records(2);
    s.yy = 0;  // 2000 is a leap year (1900 was not)
    EXPECT_EQ(Stamps(OneSet(s)).last(), "00/02/29 00:00:00");
    s.yy = 24;
    EXPECT_EQ(Stamps(OneSet(s)).last(), "24/02/29 00:00:00");
    s.yy = 25;
    EXPECT_EQ(Stamps(OneSet(s)).last(), "25/03/01 00:00:00");
}

TEST(SetStamps, monthAndDayZeroStartOnJanuaryFirst) {
    SetBytes s;
    s.yy = 26, s.mo = 0, s.dd = 0, s.hh = 8, s.mi = 5, s.ss = 7;
    s.records = Records(1);
    EXPECT_EQ(Stamps(OneSet(s)), QStringList{"26/01/01 08:05:07"});
    EXPECT_EQ(SetStart(OneSet(s).SetBlock).date(), QDate(2026, 1, 1));
}

TEST(SetStamps, impossibleStartGivesNoStampButKeepsTheValues) {
    SetBytes s;
    s.mo = 2, s.dd = 30;  // 30 February
    s.records = Records(2);
    const LoggerSet set = OneSet(s);
    TextTable c, f;
    Reading r;
    ASSERT_EQ(DecodeSetRows(set, SimCalibration(), r, c, f), 2);
    EXPECT_EQ(c.field(1, 0), "2");
    EXPECT_EQ(c.field(1, 1), "- - -");
    EXPECT_EQ(c.field(1, 2), "- - -");
    EXPECT_EQ(c.field(1, 3), "25.0");
    s.mo = 1, s.dd = 1, s.hh = 24;  // hour 24
    EXPECT_FALSE(SetStart(OneSet(s).SetBlock).isValid());
}

TEST(SetRows, celsiusAndFahrenheitRowsHoldTheTwelveFieldsInOrder) {
    SetBytes s;
    s.records = {{RawC(35.0), RawC(30.0), RawC(24.0), 1000}};
    const LoggerSet set = OneSet(s);
    TextTable c, f;
    Reading r;
    DecodeSetRows(set, SimCalibration(), r, c, f);
    ASSERT_EQ(c.rowCount(), 1);
    const QStringList rc = c.rowFields(0), rf = f.rowFields(0);
    ASSERT_EQ(rc.size(), 12);
    EXPECT_EQ(rc.mid(0, 3), (QStringList{"1", "26/03/15", "10:00:00"}));
    EXPECT_EQ(rf.mid(0, 3), rc.mid(0, 3));
    EXPECT_EQ(rc[3], "30.0");  // dry
    EXPECT_EQ(rc[5], "24.0");  // natural wet bulb
    EXPECT_EQ(rc[9], "35.0");  // globe
    EXPECT_EQ(rf[3], "86.0");
    EXPECT_EQ(rf[9], "95.0");
    EXPECT_EQ(rc[7], r.WbgtIndoorText);  // indoor WBGT, from the same decode
    EXPECT_EQ(rf[10], r.AirSpeedTextFtMin);
}

TEST(SetRows, dryBulbOutOfRangeBlanksWhatDependsOnIt) {
    SetBytes s;
    s.records = {{RawC(35.0), RawC(100.5), RawC(24.0), 1000}};
    TextTable c, f;
    Reading r;
    DecodeSetRows(OneSet(s), SimCalibration(), r, c, f);
    const QStringList row = c.rowFields(0);
    const QString none = "- - -";
    EXPECT_EQ(row[3], none);   // dry
    EXPECT_EQ(row[4], none);   // dew point
    EXPECT_EQ(row[6], none);   // heat index
    EXPECT_EQ(row[8], none);   // outdoor WBGT
    EXPECT_EQ(row[11], none);  // wind chill
    EXPECT_EQ(r.HumidexText, none);
    EXPECT_EQ(row[9], "35.0");  // globe still shown
    EXPECT_NE(row[7], none);    // indoor WBGT needs no dry bulb
    EXPECT_EQ(f.rowFields(0)[3], none);
}

TEST(SetRows, speedOffsetAndZeroComeFromTheSetHeader) {
    SetBytes s;
    s.records = {{RawC(30.0), RawC(25.0), RawC(20.0), sim::SpeedCount(1.0)}};
    const LoggerSet plain = OneSet(s);
    s.offsetA = 250;
    s.offsetB = 50;
    s.zero = 30;
    const LoggerSet shifted = OneSet(s);
    const SetDecoder d(shifted, SimCalibration());
    EXPECT_DOUBLE_EQ(d.speedOffset(), 2.0);
    EXPECT_DOUBLE_EQ(d.speedZero(), 0.3);
    Reading a, b;
    QStringList c, f;
    SetDecoder(plain, SimCalibration()).decode(1, a, c, f);
    d.decode(1, b, c, f);
    EXPECT_DOUBLE_EQ(b.SpeedOffset, 2.0);
    EXPECT_DOUBLE_EQ(b.SpeedZero, 0.3);
    // corrected speed − zero + offset
    EXPECT_NEAR(b.AirSpeed, a.AirSpeed + 1.7, 1e-9);
    EXPECT_EQ(c[10], b.AirSpeedText);
}

TEST(SetRows, blockShorterThanItsRecordsDecodesOnlyWholeRecords) {
    SetBytes s;
    s.records = Records(4);
    const QByteArray cut = s.bytes().left(16 + 2 * 8 + 7);
    const auto sets = SplitSets(cut, 1);
    ASSERT_EQ(sets.size(), 1u);
    TextTable c, f;
    Reading r;
    EXPECT_EQ(DecodeSetRows(sets[0], SimCalibration(), r, c, f), 2);
    EXPECT_EQ(c.rowCount(), 2);
    EXPECT_EQ(f.rowCount(), 2);
}
