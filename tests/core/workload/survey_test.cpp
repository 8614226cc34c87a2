#include "core/workload/Survey.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>

#include "core/workload/Exposure.h"
#include "core/workload/Regulations.h"
#include "core/workload/SurveyFile.h"

using namespace montira::exposure;
using montira::TextTable;

TEST(RegulationTables, everyRowFollowsItsFormulaInSteps) {
    const struct {
        const char* name;
        const std::vector<RateRow>& table;
        double a, b, first, last, lastWatts;
        size_t rows;
    } cases[] = {
        {"limits", LimitTable(), 56.7, 11.5, 33.7, 24.7, 606, 91},
        {"action levels", ActionLevelTable(), 59.9, 14.1, 31.7, 20.7, 602, 111},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(c.table.size(), c.rows) << c.name;
        EXPECT_EQ(c.table.front().watts, 100) << c.name;
        EXPECT_DOUBLE_EQ(c.table.front().wbgt, c.first) << c.name;
        EXPECT_EQ(c.table.back().watts, c.lastWatts) << c.name;
        EXPECT_DOUBLE_EQ(c.table.back().wbgt, c.last) << c.name;
        for (size_t i = 0; i < c.table.size(); ++i) {
            const RateRow& r = c.table[i];
            EXPECT_NEAR(r.wbgt, c.a - c.b * std::log10(r.watts), 0.1) << c.name << " " << r.watts;
            if (i) {
                EXPECT_GT(r.watts, c.table[i - 1].watts) << c.name << " " << r.watts;
                EXPECT_NEAR(c.table[i - 1].wbgt - r.wbgt, 0.1, 1e-9) << c.name << " " << r.watts;
            }
        }
    }
}

TEST(RegulationTables, lookupReadsTheRowAtOrBelowTheRate) {
    const struct {
        const char* name;
        double m;
        std::optional<double> limit, action;
    } cases[] = {
        {"at the first row", 100, 33.7, 31.7},
        {"below 100 W", 60, 33.7, 31.7},
        {"at the last limit row", 606, 24.7, std::nullopt},
        {"past both tables", 700, std::nullopt, std::nullopt},
        {"at the last action row", 602, 24.8, 20.7},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TableValue(LimitTable(), c.m), c.limit) << c.name;
        EXPECT_EQ(TableValue(ActionLevelTable(), c.m), c.action) << c.name;
    }
    // Between rows: the row below.
    const RateRow& a = LimitTable()[40];
    const RateRow& b = LimitTable()[41];
    EXPECT_EQ(TableValue(LimitTable(), (a.watts + b.watts) / 2), a.wbgt);
    EXPECT_EQ(TableValue(LimitTable(), std::nextafter(b.watts, 0.0)), a.wbgt);
}

TEST(RegulationTables, activitiesFoundByTheirWords) {
    const std::vector<int> found = FindActivities(QStringLiteral("em pe leve DOIS bracos"));
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(ActivityTable()[size_t(found[0])].watts, 243);
    EXPECT_TRUE(FindActivities(QStringLiteral("xyzzy")).empty());
}

TEST(RegulationTables, exposureRoundedHalfAwayFromZero) {
    EXPECT_EQ(RoundOneDecimal(30.25), 30.3);
    EXPECT_EQ(RoundOneDecimal(30.55 - 1e-12), 30.6);  // 30.55 as stored
    EXPECT_EQ(RoundOneDecimal(30.249), 30.2);
    // E equal to the limit after rounding is "entre": 248 W reads the row of 246 W, 29.2 °C;
    // 28.65 + 0.5 is stored a hair below 29.15.
    const Evaluation e = Evaluate(28.65, 248, 0.5);
    EXPECT_EQ(e.exposure, 29.2);
    ASSERT_TRUE(e.limit && e.actionLevel && e.verdict);
    EXPECT_EQ(*e.limit, 29.2);
    EXPECT_EQ(*e.verdict, Verdict::BetweenLevels);
    EXPECT_NEAR(*e.margin, 0, 1e-12);
    const Evaluation past = Evaluate(25, 650, 0);
    EXPECT_FALSE(past.limit || past.actionLevel || past.verdict || past.margin);
}

namespace {

// A data table: one reading a minute from `hh`:00 for `minutes`, IBUTGi `value`.
std::shared_ptr<SeriesSource> Table(int hh, int minutes, double value, const char* unit = "(°C)") {
    auto s = std::make_shared<SeriesSource>();
    s->heading = QStringList{unit,   "Data",   "Hora",   "Seco",  "Orvalho", "Úmido",
                             "I.C.", "IBUTGi", "IBUTGo", "Globo", "m/s",     "Twc"};
    for (int i = 0; i < minutes; ++i)
        s->rows.appendRow({QString::number(i + 1), "26/03/04",
                           QStringLiteral("%1:%2:00")
                               .arg(hh + i / 60, 2, 10, QLatin1Char('0'))
                               .arg(i % 60, 2, 10, QLatin1Char('0')),
                           "", "", "", "", QString::number(value, 'f', 1), "- - -", "", "", ""});
    return s;
}

Height FromTable(std::shared_ptr<SeriesSource> s, QString from = {}, QString to = {}) {
    return Height{{}, {}, from, to, std::move(s), {}};
}

Height Typed(double v) {
    return Height{v, {}, {}, {}, {}, {}};
}

Survey TwoSituations() {
    Survey s;
    s.situations = {{"Forno", 35, 31.0, {}, {}}, {"Descanso", 25, {}, {Typed(24.0)}, {}}};
    s.activities = {{"forno", 300, 35, {}}, {"descanso", 126, 25, {}}};
    return s;
}

}  // namespace

TEST(SurveyEvaluation, situationsAndActivitiesWeighByTheirOwnMinutes) {
    Survey s = TwoSituations();
    const auto r = EvaluateSurvey(s, nullptr);
    ASSERT_TRUE(r);
    EXPECT_NEAR(r->meanWbgt, (31.0 * 35 + 24.0 * 25) / 60, 1e-12);
    EXPECT_NEAR(r->m, (300.0 * 35 + 126.0 * 25) / 60, 1e-12);
    EXPECT_FALSE(r->partial);
    s.clothing = 0.5;
    s.hood = true;
    EXPECT_DOUBLE_EQ(EvaluateSurvey(s, nullptr)->clothing, 1.5);
}

TEST(SurveyEvaluation, threeHeightsWeighTheAbdomenTwice) {
    Survey s = TwoSituations();
    s.situations[1].heights = {FromTable(Table(8, 60, 30.0)), FromTable(Table(8, 60, 26.0)),
                               Typed(22.0)};
    const auto r = EvaluateSurvey(s, nullptr);
    ASSERT_TRUE(r);
    EXPECT_DOUBLE_EQ(r->situations[1].wbgtC, (30.0 + 2 * 26 + 22) / 4);
    EXPECT_EQ(StampText(r->situations[1].start), QStringLiteral("26/03/04 08:00:00"));
}

TEST(SurveyEvaluation, lessThanTheMinutesOfReadingsIsIndicative) {
    Survey s = TwoSituations();
    s.situations[0].wbgt.reset();
    s.situations[0].heights = {FromTable(Table(8, 30, 33.0))};  // 30 of its 35 minutes
    auto r = EvaluateSurvey(s, nullptr);
    ASSERT_TRUE(r);
    EXPECT_TRUE(r->partial);
    EXPECT_TRUE(VerdictLine(*r).startsWith(QStringLiteral("indicativo: ")))
        << VerdictLine(*r).toStdString();
    // One situation for the whole hour, from 40 minutes of data.
    Survey whole;
    whole.situations = {{"", 60, {}, {FromTable(Table(8, 40, 28.0))}, {}}};
    whole.activities = {{"", 200, 60, {}}};
    r = EvaluateSurvey(whole, nullptr);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->partialWhy, QStringLiteral("menos de 60 minutos de dados"));
    // An interval: the mean of the readings between from and to.
    whole.situations[0].heights = {
        FromTable(Table(8, 120, 28.0), "26/03/04 08:30:00", "26/03/04 09:30:00")};
    r = EvaluateSurvey(whole, nullptr);
    ASSERT_TRUE(r);
    EXPECT_FALSE(r->partial);
    EXPECT_EQ(StampText(r->situations[0].end), QStringLiteral("26/03/04 09:30:00"));
}

TEST(SurveyEvaluation, refusalsNameTheItem) {
    const struct {
        const char* name;
        void (*spoil)(Survey&);
        const char* says;
    } cases[] = {
        {"situations short of an hour", [](Survey& s) { s.situations[0].minutes = 30; },
         "somam 55 min"},
        {"two heights",
         [](Survey& s) {
             s.situations[1].heights = {Typed(20), Typed(21)};
         },
         "situação 2 (Descanso): 2 alturas"},
        {"activities over an hour", [](Survey& s) { s.activities[0].minutes = 40; }, "atividades"},
        {"no readings in the interval",
         [](Survey& s) {
             s.situations[1].heights = {
                 FromTable(Table(8, 60, 25), "26/03/04 12:00:00", "26/03/04 13:00:00")};
         },
         "Descanso), abdômen: nenhuma leitura"},
        {"negative clothing", [](Survey& s) { s.clothing = -1; }, "vestimenta"},
    };
    for (const auto& c : cases) {
        Survey s = TwoSituations();
        c.spoil(s);
        QString why;
        EXPECT_FALSE(EvaluateSurvey(s, &why)) << c.name;
        EXPECT_TRUE(why.contains(QString::fromUtf8(c.says))) << c.name << ": " << why.toStdString();
    }
}

TEST(SurveyEvaluation, measuresFollowTheVerdictAndTheCircumstances) {
    Survey s = TwoSituations();
    s.situations[0].wbgt = 40;
    auto r = EvaluateSurvey(s, nullptr);
    ASSERT_TRUE(r && r->evaluation.verdict == Verdict::AboveLimit);
    EXPECT_TRUE(Measures(s, *r).join(' ').contains(QStringLiteral("grau médio")));
    EXPECT_TRUE(VerdictNote(s, *r).isEmpty());
    s.openAir = true;
    r = EvaluateSurvey(s, nullptr);
    EXPECT_TRUE(VerdictNote(s, *r).contains(QStringLiteral("sem insalubridade")));
    EXPECT_TRUE(Measures(s, *r).join(' ').contains(QStringLiteral("não se aplica")));
}

namespace {

const char kExample[] = R"({"format": "montira-evaluation", "version": 1, "index": "IBUTGi",
 "situations": [{"description": "Forno", "minutes": 35, "wbgt": 31.0},
                {"description": "Descanso", "minutes": 25,
                 "heights": [{"file": "descanso.plv", "from": "26/03/04 08:00:00", "to": "26/03/04 08:30:00", "probe": 7}]},
                {"description": "Bancada", "minutes": 0,
                 "heights": [{"file": "cab.plv"}, {"file": "abd.plv"}, {"wbgt": 27.5}]}],
 "activities": [{"description": "Em pé, trabalho leve com os dois braços", "watts": 243, "minutes": 60}],
 "clothing": 0.5, "hood": false, "acclimatised": true, "open_air": false,
 "company": "", "sector": "", "worker": "", "place": "", "evaluator": "", "registration": "",
 "instrument": {"model": "", "serial": "", "certificate": "", "calibrated": "01/02/2026"}, "notes": "",
 "crew": ["A", "B"]})";

}  // namespace

TEST(SurveyFile, savedOpenedAndSavedAgainByteForByte) {
    Survey s;
    QString why;
    ASSERT_TRUE(ParseSurvey(kExample, "/tmp", s, &why)) << why.toStdString();
    ASSERT_EQ(s.situations.size(), 3u);
    EXPECT_EQ(s.situations[1].heights[0].from, QStringLiteral("26/03/04 08:00:00"));
    EXPECT_EQ(s.situations[2].heights[2].wbgt, 27.5);
    EXPECT_EQ(s.instrument.calibrated, QStringLiteral("01/02/2026"));
    const QByteArray once = SurveyJson(s);
    EXPECT_TRUE(once.contains("\"crew\"") && once.contains("\"probe\": 7"));  // kept
    Survey again;
    ASSERT_TRUE(ParseSurvey(once, "/tmp", again, &why)) << why.toStdString();
    EXPECT_EQ(SurveyJson(again), once);
    QTemporaryDir dir;
    ASSERT_TRUE(WriteSurveyFile(dir.filePath("a.json"), again, &why));
    QFile f(dir.filePath("a.json"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), once);
}

TEST(SurveyFile, refusalsNameTheItem) {
    const struct {
        const char* name;
        const char* json;
        const char* says;
    } cases[] = {
        {"not JSON", "{", "JSON"},
        {"unknown format", R"({"format": "outro", "version": 1})", "formato desconhecido"},
        {"unknown version", R"({"format": "montira-evaluation", "version": 2})", "versão 2"},
        {"two heights",
         R"({"format": "montira-evaluation", "version": 1, "situations": [{"minutes": 60, "heights": [{"wbgt": 1}, {"wbgt": 2}]}]})",
         "situação 1: \"heights\" tem 2"},
        {"bad stamp",
         R"({"format": "montira-evaluation", "version": 1, "situations": [{"minutes": 60, "heights": [{"file": "a", "from": "2026-03-04"}]}]})",
         "\"from\" inválido"},
        {"minutes as text",
         R"({"format": "montira-evaluation", "version": 1, "situations": [{"minutes": "60", "wbgt": 1}]})",
         "\"minutes\" deve ser"},
    };
    for (const auto& c : cases) {
        Survey s;
        QString why;
        EXPECT_FALSE(ParseSurvey(c.json, "/tmp", s, &why)) << c.name;
        EXPECT_TRUE(why.contains(QString::fromUtf8(c.says))) << c.name << ": " << why.toStdString();
    }
}
