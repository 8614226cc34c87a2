#include "core/workload/Exposure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/meter/Numbers.h"
#include "core/workload/ReportFormat.h"
#include "core/workload/WbgtSeries.h"
#include "core/workload/WorstHour.h"

using namespace montira::exposure;
using montira::TextTable;

TEST(ExposureFormulas, verdictBoundariesBelongToTheMiddleBand) {
    const double al = 28, l = 30;
    EXPECT_EQ(Judge(std::nextafter(al, 0.0), al, l), Verdict::BelowActionLevel);
    EXPECT_EQ(Judge(al, al, l), Verdict::BetweenLevels);
    EXPECT_EQ(Judge(l, al, l), Verdict::BetweenLevels);
    EXPECT_EQ(Judge(std::nextafter(l, 100.0), al, l), Verdict::AboveLimit);
}

TEST(ExposureFormulas, evaluationAddsClothingAndJudgesByTheTables) {
    EXPECT_EQ(std::round(ExposureLimit(332) * 10) / 10, 27.7);
    EXPECT_NEAR(ActionLevel(178), 28.2, 0.05);
    const Evaluation e = Evaluate(27.5, 178, 3);  // the limit row of 175 W: 30.9 °C
    EXPECT_DOUBLE_EQ(e.exposure, 30.5);
    ASSERT_TRUE(e.margin && e.verdict);
    EXPECT_NEAR(*e.margin, 0.4, 1e-12);
    EXPECT_EQ(*e.verdict, Verdict::BetweenLevels);
    EXPECT_LT(*Evaluate(27.5, 178, 10).margin, 0);
}

TEST(WorkPeriods, meanRateWeighsByMinutesAndRefusesOtherThanAnHour) {
    EXPECT_DOUBLE_EQ(*MeanMetabolicRate({{40, 180, "montagem"}, {20, 297, "transporte"}}, nullptr),
                     (40 * 180 + 20 * 297) / 60.0);
    const std::pair<const char*, std::vector<WorkPeriod>> cases[] = {
        {"none", {}},
        {"short of an hour", {{30, 180, ""}, {20, 297, ""}}},
        {"over an hour", {{45, 180, ""}, {20, 297, ""}}},
        {"negative minutes adding up", {{61, 180, ""}, {-1, 297, ""}}},
        {"zero watts", {{60, 0, ""}}},
        {"not a number", {{60, std::nan(""), ""}}},
    };
    for (const auto& [name, periods] : cases) {
        QString why;
        EXPECT_FALSE(MeanMetabolicRate(periods, &why)) << name;
        EXPECT_FALSE(why.isEmpty()) << name;
    }
}

// Presets by their shown name, their file key or their English name, and numbers.
TEST(Clothing, presetNamesKeysAndNumbers) {
    for (auto [text, value] : {std::pair{"uniforme", 0.0},
                               {"Macacão de tecido", 0.0},
                               {"macacao_sms", 0.5},
                               {"Polyolefin coverall", 2.0},
                               {"macacao_barreira_sobre", 12.0},
                               {"2,5", 2.5},
                               {" 11 ", 11.0}}) {
        double v = -1;
        EXPECT_TRUE(ParseClothing(QString::fromUtf8(text), v)) << text;
        EXPECT_EQ(v, value) << text;
    }
    for (const char* bad : {"", "macacão", "1e400", "nan", "-0,1"}) {
        double v = 0;
        QString why;
        EXPECT_FALSE(ParseClothing(bad, v, &why)) << bad;
        EXPECT_FALSE(why.isEmpty()) << bad;
    }
}

TEST(WbgtReadings, skipUnreadableRowsAndConvertFahrenheit) {
    TextTable t;
    auto row = [&](const char* date, const char* time, const char* in, const char* out) {
        t.appendRow({"1", date, time, "", "", "", "", in, out, "", "", ""});
    };
    row("24/03/07", "10:00:00", "86.0", "- - -");
    row("24/03/07", "10:01:00", "- - -", "90.5");
    row("24/02/30", "10:02:00", "80.0", "80.0");  // no such day
    row("24/03/07", "25:00:00", "80.0", "80.0");  // no such hour
    row("24/03/07", "10:03:00", "95.0", "95.0");
    const WbgtSeries in = ReadWbgtSeries({"( °F )"}, t, WbgtIndex::Indoor);
    ASSERT_EQ(in.size(), 2);
    EXPECT_EQ(in.rows, (std::vector<int>{0, 4}));
    EXPECT_DOUBLE_EQ(in.celsius(in.milli[0]), 30);
    EXPECT_EQ(in.ticks[1] - in.ticks[0], 3 * 60 * 2);
    EXPECT_EQ(ReadWbgtSeries({"(°F)"}, t, WbgtIndex::Outdoor).rows, (std::vector<int>{1, 4}));
    EXPECT_DOUBLE_EQ(ReadWbgtSeries({"(°C)"}, t, WbgtIndex::Indoor).celsius(86000), 86);
}

// Lines are read from their bytes where they hold a plain number; every other form goes
// through the general reader, and both give the same value (none beyond any reading).
TEST(WbgtReadings, valuesReadAsTheGeneralReaderReadsThem) {
    const char* const texts[] = {"25.3",
                                 "-4.05",
                                 "+7",
                                 " 31.25 ",
                                 ".5",
                                 "5.",
                                 "25,3",
                                 "1e1",
                                 "-0.0",
                                 "99.9995",
                                 "12345678901234567.5"};
    TextTable t;
    for (const char* text : texts)
        t.appendRow({"1", "24/03/07", "10:00:00", "", "", "", "", text, "", "", "", ""});
    const WbgtSeries s = ReadWbgtSeries({"(°C)"}, t, WbgtIndex::Indoor);
    ASSERT_EQ(s.rows, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    for (size_t i = 0; i < s.milli.size(); ++i)
        EXPECT_EQ(s.milli[i], std::llround(montira::LeadingNumber(texts[i]) * 1000)) << texts[i];
}

TEST(WbgtReadings, stampTextRoundTripsAcrossMidnightAndYears) {
    for (const char* text : {"99/12/31 23:59:59", "24/02/29 12:30:05"}) {
        qint64 t = 0;
        ASSERT_TRUE(ParseStampText(text, t)) << text;
        EXPECT_EQ(StampText(t), QString(text));
    }
    qint64 t = 0;
    ASSERT_TRUE(ParseStampText("24/03/07 23:30:00", t));
    EXPECT_EQ(StampText(t + kHourTicks), QStringLiteral("24/03/08 00:30:00"));
    EXPECT_FALSE(ParseStampText("24/03/07 10:00", t));
}

TEST(ReportFormat, portugueseDatesAndDecimalComma) {
    qint64 t = 0;
    ASSERT_TRUE(ParseStampText("24/03/07 08:05:09", t));
    EXPECT_EQ(ReportStamp(t), QStringLiteral("07/03/2024 08:05:09"));
    EXPECT_EQ(ReportNumber(31.25, 2), QStringLiteral("31,25"));
    EXPECT_EQ(ReportNumber(-0.04, 1), QStringLiteral("0,0"));  // no "-0,0"
    EXPECT_EQ(ReportNumber(-1.5, 1), QStringLiteral("-1,5"));
}

namespace {

using Points = std::vector<std::pair<double, double>>;

Points operator+(Points a, const Points& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// (minute, °C) readings; ticks are half seconds.
WbgtSeries Series(const Points& points) {
    WbgtSeries s;
    for (const auto& [minute, value] : points) {
        s.ticks.push_back(qint64(minute * 120));
        s.milli.push_back(qint64(std::llround(value * 1000)));
        s.rows.push_back(int(s.rows.size()));
    }
    return s;
}

// `p` and then one reading a minute from `from` for `count` minutes at `value`.
Points Minutes(double from, int count, double value, Points p = {}) {
    for (int i = 0; i < count; ++i) p.emplace_back(from + i, value);
    return p;
}

double Minute(qint64 ticks) {
    return double(ticks) / 120;
}

// Points shifted `by` minutes from index `from` on.
Points Shifted(Points p, size_t from, double by) {
    for (size_t k = from; k < p.size(); ++k) p[k].first += by;
    return p;
}

}  // namespace

TEST(WorstHour, runsAndTheirLengthsDecideTheHour) {
    const struct {
        const char* name;
        Points points;
        double start, end, mean;  // minutes and °C
        bool partial;
    } cases[] = {
        {"constant: the earliest hour", Minutes(0, 180, 25.4), 0, 60, 25.4, false},
        // Hot, but only 50 minutes long; a 3-minute spacing (> 2 typical) starts a new run.
        {"gap breaks the hotter short run", Minutes(53, 120, 26, Minutes(0, 50, 35)), 53, 113, 26,
         false},
        // A 2-minute spacing (exactly twice the typical interval) does not break: the hour
        // from minute 0 holds the hot readings and the 35 of minute 49 for two minutes.
        {"twice the typical spacing joins",
         Shifted(Minutes(53, 120, 26, Minutes(0, 50, 35)), 50, -2), 0, 60,
         (51 * 35 + 9 * 26) / 60.0, false},
        {"clock set back starts a new run", Minutes(0, 70, 25, Minutes(100, 30, 40)), 0, 60, 25,
         false},
        // Less than an hour: the hottest run whole, to its last reading plus one interval.
        {"short runs", Minutes(40, 10, 33, Minutes(0, 20, 30)), 40, 50, 33, true},
    };
    for (const auto& c : cases) {
        const ExposureHour h = WorstHour(Series(c.points));
        ASSERT_TRUE(h.valid()) << c.name;
        EXPECT_EQ(Minute(h.start), c.start) << c.name;
        EXPECT_EQ(Minute(h.end), c.end) << c.name;
        EXPECT_NEAR(h.meanC, c.mean, 1e-9) << c.name;
        EXPECT_EQ(h.partial, c.partial) << c.name;
    }
    EXPECT_FALSE(WorstHour(Series({})).valid());
    EXPECT_FALSE(WorstHour(Series({{0, 30}})).valid());  // a run of no length
}

TEST(WorstHour, irregularSamplingWeighsEachValueByHowLongItHolds) {
    // Spacings 5, 15, 10, 20, 10, 12 min: median (10 + 12) / 2 = 11 min, so the last reading
    // holds to minute 83; the worst hour ends there, between readings at its start.
    const WbgtSeries s =
        Series({{0, 20}, {5, 30}, {20, 40}, {30, 20}, {50, 20}, {60, 24}, {72, 50}});
    const SeriesRuns runs = SplitRuns(s);
    EXPECT_EQ(runs.typical, 11 * 120);
    ASSERT_EQ(runs.runs.size(), 1u);
    const ExposureHour h = WorstHour(s, runs);
    EXPECT_EQ(Minute(h.start), 23);
    EXPECT_EQ(h.first, 2);                    // the reading of minute 20 holds at 23
    EXPECT_NEAR(h.meanC, 1718.0 / 60, 1e-9);  // 40·7 + 20·20 + 20·10 + 24·12 + 50·11
    EXPECT_NEAR(HourAt(s, runs, 1).meanC, 1570.0 / 60,
                1e-9);                         // 30·15 + 40·10 + 20·20 + 20·10 + 24·5
    EXPECT_FALSE(HourAt(s, runs, 3).valid());  // 30 + 60 > 83
}

// The hour may start between readings: what matters is where its start or its end crosses
// a reading.
TEST(WorstHour, candidatesEndingOnAReading) {
    const struct {
        const char* name;
        Points points;
        double start;  // minutes
        double mean;
    } cases[] = {
        // Every 7 minutes from 08:00 (minute 0) to 10:01: 40 °C at 08:00, 45 °C at 08:56.
        {"hot readings an hour apart less one step",
         [] {
             Points p;
             for (int k = 0; k <= 17; ++k) p.emplace_back(7 * k, k == 0 ? 40 : k == 8 ? 45 : 25);
             return p;
         }(),
         3, 1700.0 / 60},
        // One reading a minute for 90 minutes; the last reading (minute 89) is hot and holds
        // to the run's end at minute 90: the hour ends there.
        {"hot reading at the run's end", Minutes(0, 89, 25, {}) + Points{{89, 50}}, 30,
         (59 * 25 + 50) / 60.0},
    };
    for (const auto& c : cases) {
        const ExposureHour h = WorstHour(Series(c.points));
        EXPECT_DOUBLE_EQ(Minute(h.start), c.start) << c.name;
        EXPECT_NEAR(h.meanC, c.mean, 1e-9) << c.name;
        EXPECT_FALSE(h.partial) << c.name;
    }
}

// Random spacings, repeated instants and breaks: no start, to the half second, beats the
// hour found, and the earliest of equals is taken.
TEST(WorstHour, bruteForceOverEveryStartAgrees) {
    std::mt19937 rng(11);
    for (int trial = 0; trial < 30; ++trial) {
        Points p;
        double t = 0;
        for (int i = 0; i < 60; ++i) {
            t += std::uniform_int_distribution<int>(0, 9)(rng) * 0.5 + (rng() % 25 ? 0 : 20);
            p.emplace_back(t, std::uniform_int_distribution<int>(200, 450)(rng) / 10.0);
        }
        const WbgtSeries s = Series(p);
        const SeriesRuns runs = SplitRuns(s);
        const ExposureHour h = WorstHour(s, runs);
        double best = -1;
        qint64 bestStart = 0;
        for (qint64 start = s.ticks.front(); start <= s.ticks.back(); ++start) {
            const ExposureHour at = HourFrom(s, runs, start);
            if (at.valid() && at.meanC > best + 1e-9) {
                best = at.meanC;
                bestStart = start;
            }
        }
        if (best < 0) continue;
        EXPECT_NEAR(h.meanC, best, 1e-9) << "trial " << trial;
        EXPECT_EQ(h.start, bestStart) << "trial " << trial;
    }
}

TEST(WorstHour, aStartWithoutAnHourSaysWhy) {
    // Runs from minute 0 to 70 and from 100 to 170 (one reading a minute).
    const WbgtSeries s = Series(Minutes(100, 70, 26, Minutes(0, 70, 25)));
    const SeriesRuns runs = SplitRuns(s);
    const struct {
        const char* name;
        double minute;
        const char* says;
    } cases[] = {
        {"before the readings", -5, "fora das leituras"},
        {"in the break", 80, "interrupção"},
        {"too near its run's end", 30, "00/01/01 01:10:00, 40.0 min"},
        {"a full hour", 10, ""},
        {"between readings", 5.5, ""},
    };
    for (const auto& c : cases) {
        const QString why = WhyNoHourAt(s, runs, qint64(c.minute * 120));
        EXPECT_TRUE(*c.says ? why.contains(QString::fromUtf8(c.says)) : why.isEmpty())
            << c.name << ": " << why.toStdString();
    }
}

TEST(WorstHour, handChosenStartsStepOverReadingsWithoutAFullHour) {
    // Hours can start at minutes 0..10 and 100..110.
    const WbgtSeries s = Series(Minutes(100, 70, 26, Minutes(0, 70, 25)));
    const SeriesRuns runs = SplitRuns(s);
    EXPECT_EQ(NextHourStart(s, runs, HourAt(s, runs, 10), +1), 70);  // minute 100
    EXPECT_EQ(NextHourStart(s, runs, HourAt(s, runs, 70), -1), 10);
    // From an hour starting between readings, back is its own reading.
    EXPECT_EQ(NextHourStart(s, runs, HourFrom(s, runs, 5 * 120 + 30), -1), 5);
    EXPECT_TRUE(HourFrom(s, runs, 100 * 120 + 17).valid());  // any second
    EXPECT_FALSE(HourFrom(s, runs, 30 * 120).valid());
}
