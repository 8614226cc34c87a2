#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include "app/Language.h"
#include "core/workload/Regulations.h"
#include "support/PdfText.h"
#include "support/Processes.h"
#include "ui/tables/FileList.h"
#include "ui/tables/ListWindowTools.h"
#include "ui/workload/Evaluation.h"
#include "ui/workload/HeatStrain.h"

using montira::HeaderTexts;
using montira::TextTable;
using montira::exposure::Verdict;
using montira::ui::Evaluation;

namespace {

// One reading a minute from 08:00 for three hours; IBUTGi 25.0 but 29.0 from 09:00 to 09:59;
// IBUTGo 27.0 throughout.
TextTable Rows() {
    TextTable t;
    for (int i = 0; i < 180; ++i) {
        const QString time = QStringLiteral("%1:%2:00")
                                 .arg(8 + i / 60, 2, 10, QLatin1Char('0'))
                                 .arg(i % 60, 2, 10, QLatin1Char('0'));
        t.appendRow({QString::number(i + 1), "24/03/07", time, "30.1", "18.0", "22.0", "31.0",
                     i >= 60 && i < 120 ? "29.0" : "25.0", "27.0", "33.0", "0.5", "- - -"});
    }
    return t;
}

const QStringList kHeading = {"(°C)", "Data",   "Hora",   "Seco",  "Orvalho", "Úmido",
                              "I.C.", "IBUTGi", "IBUTGo", "Globo", "m/s",     "Twc"};

}  // namespace

TEST(EvaluationWindow, showsTheWorstHourAndJudgesThePeriods) {
    Evaluation w(kHeading, Rows(), HeaderTexts{"Ana", "Forno", "Acme"});
    EXPECT_EQ(w.LblStart->text(), QStringLiteral("24/03/07 09:00:00"));
    EXPECT_EQ(w.LblEnd->text(), QStringLiteral("24/03/07 10:00:00"));
    EXPECT_TRUE(w.LblMean->text().startsWith("29.0 °C"));

    w.setPeriods({{60, 414, "forno"}});  // limit 26.6, action level 23.0
    ASSERT_TRUE(w.report().result);
    EXPECT_EQ(w.report().result->evaluation.verdict, Verdict::AboveLimit);
    EXPECT_EQ(w.LblVerdict->text(), QStringLiteral("acima do limite"));

    // A clothing value the tables refuse stops the evaluation and says why.
    w.ComboCloth->setEditText("-2");
    EXPECT_FALSE(w.report().result);
    EXPECT_TRUE(w.LblVerdict->text().contains("negativo")) << w.LblVerdict->text().toStdString();
}

TEST(EvaluationWindow, hourMovesByHandAndWithTheIndex) {
    Evaluation w(kHeading, Rows(), {});
    w.findChild<QPushButton*>("CmdNextHour")->click();
    EXPECT_EQ(w.LblStart->text(), QStringLiteral("24/03/07 09:01:00"));
    // A typed start without a full hour after it says why and leaves the hour where it was.
    for (auto [typed, says] : {std::pair{"24/03/07 10:30:00", "terminam em 24/03/07 11:00:00"},
                               {"amanhã", "não é uma data"}}) {
        w.TxtStart->setText(QString::fromUtf8(typed));
        emit w.TxtStart->editingFinished();
        EXPECT_TRUE(w.LblStartWhy->isVisibleTo(&w)) << typed;
        EXPECT_TRUE(w.LblStartWhy->text().contains(QString::fromUtf8(says)))
            << typed << ": " << w.LblStartWhy->text().toStdString();
        EXPECT_EQ(w.shownHeight()->hour.first, 61) << typed;
    }
    w.TxtStart->setText("24/03/07 08:15:30");  // any second
    emit w.TxtStart->editingFinished();
    EXPECT_FALSE(w.LblStartWhy->isVisibleTo(&w));
    EXPECT_EQ(w.LblStart->text(), QStringLiteral("24/03/07 08:15:30"));
    w.findChild<QPushButton*>("CmdWorstHour")->click();
    EXPECT_EQ(w.shownHeight()->hour.first, 60);

    w.ComboIndex->setCurrentIndex(1);  // IBUTGo: constant, so the first hour
    EXPECT_TRUE(w.LblMean->text().startsWith("27.0 °C"));
}

namespace {

// A file window over Rows() with the table tools; `tool` is triggered from its toolbar.
struct ListOverRows {
    montira::CsvChoice choice;
    montira::FileList list;
    explicit ListOverRows(const char* tool) {
        montira::AttachTableTools(&list, &choice);
        list.setHeading(kHeading);
        list.setRows(Rows());
        list.TxtCompany->setText("Acme");
        for (QAction* a : list.toolbar()->actions())
            if (a->data().toString() == tool) a->trigger();
    }
};

// The windows are not Q_OBJECTs: found by their type, not by findChild.
template <class W>
W* ChildOf(QObject& owner) {
    for (QObject* o : owner.children())
        if (auto* w = dynamic_cast<W*>(o)) return w;
    return nullptr;
}

}  // namespace

TEST(EvaluationWindow, opensFromTheFileWindowsToolbarOverItsTable) {
    ListOverRows l("Evaluation");
    Evaluation* w = ChildOf<Evaluation>(l.list);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->report().survey.company.toStdString(), "Acme");
    EXPECT_EQ(w->shownHeight()->hour.first, 60);
    w->close();
}

// The heat strain of the evaluated hour, from the evaluation and from a list window alike.
TEST(EvaluationWindow, heatStrainOpensOverTheEvaluatedHourFromTheWindowAndTheList) {
    Evaluation e(kHeading, Rows(), HeaderTexts{"Ana", "Forno", "Acme"});
    e.findChild<QPushButton*>("CmdHeatStrain")->click();
    auto* fromEvaluation = ChildOf<montira::ui::HeatStrain>(e);
    ASSERT_TRUE(fromEvaluation);
    EXPECT_EQ(fromEvaluation->TxtTa->text(), QStringLiteral("30.1"));  // the hour's means
    EXPECT_TRUE(fromEvaluation->LblClimateSource->text().contains("24/03/07 09:00:00"));
    ASSERT_TRUE(fromEvaluation->report());
    EXPECT_EQ(fromEvaluation->report()->header.company, QStringLiteral("Acme"));
    ListOverRows l("HeatStrain");
    auto* fromList = ChildOf<montira::ui::HeatStrain>(l.list);
    ASSERT_TRUE(fromList);
    EXPECT_EQ(fromList->TxtTa->text(), fromEvaluation->TxtTa->text());  // the same worst hour
    fromList->close();
    fromEvaluation->close();
}

TEST(EvaluationWindow, aRateTypedOverAListedActivityRenamesIt) {
    Evaluation w(kHeading, Rows(), {});
    const auto& rest = montira::exposure::ActivityTable()[0];
    w.setPeriods({{30, rest.watts, rest.shown()}, {30, 180, "mesa"}});
    w.GridPeriods->item(0, 2)->setText("522");
    EXPECT_EQ(w.GridPeriods->item(0, 1)->text(), QStringLiteral("Outra atividade"));
    EXPECT_EQ(w.report().survey.activities[0].description, QStringLiteral("Outra atividade"));
    w.GridPeriods->item(1, 2)->setText("200");  // not from the list: kept
    EXPECT_EQ(w.GridPeriods->item(1, 1)->text(), QStringLiteral("mesa"));
}

// The report speaks the interface language: channel names, dates and decimal separator.
TEST(EvaluationWindow, reportInEachLanguage) {
    QTemporaryDir dir;
    const struct {
        montira::Language language;
        QStringList want, never;
    } cases[] = {
        {montira::Language::Portuguese,
         {"Situações", "07/03/2024 09:00:00", "29,0 °C", "página 1 de"},
         {"24/03/07", "2024-03-07"}},
        {montira::Language::English,
         {"Thermal situations", "2024-03-07 09:00:00", "29.0 °C", "page 1 of"},
         {"Situações", "29,0", "07/03/2024"}},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(montira::InstallLanguage(*qApp, c.language));
        Evaluation w(kHeading, Rows(), HeaderTexts{"Ana", "Forno", "Acme"});
        w.setPeriods({{60, 180, "mesa"}});
        const QString path = dir.filePath(QStringLiteral("r%1.pdf").arg(int(c.language)));
        w.choosePdfFile = [&] { return path; };
        w.findChild<QPushButton*>("CmdSavePdf")->click();
        const QString text = montira::test::PdfPages(montira::test::ReadBytes(path)).join("");
        for (const QString& want : c.want) EXPECT_TRUE(text.contains(want)) << want.toStdString();
        for (const QString& never : c.never)
            EXPECT_FALSE(text.contains(never)) << never.toStdString();
    }
    montira::InstallLanguage(*qApp, montira::Language::Portuguese);
}

namespace {

// A data file of `minutes` readings a minute from 08:00 at `value` in `dir`.
QString DataFile(const QTemporaryDir& dir, const char* name, int minutes, const char* value) {
    QByteArray b =
        "*****\r\n*****\r\n*****\r\n(\260C)\tData\tHora\tSeco\tOrvalho\t\332mido\t"
        "I.C.\tIBUTGi\tIBUTGo\tGlobo\tm/s\tTwc\t\r\n";
    for (int i = 0; i < minutes; ++i)
        b += QByteArray::number(i + 1) + "\t24/03/07\t" +
             QByteArray::number(8 + i / 60).rightJustified(2, '0') + ':' +
             QByteArray::number(i % 60).rightJustified(2, '0') + ":00\t30\t18\t22\t30\t" + value +
             "\t- - -\t31\t0.5\t- - -\t\r\n";
    return montira::test::WriteBytes(dir.filePath(name), b);
}

}  // namespace

// How situations weigh and how the file reads are the core's (SurveyEvaluation, SurveyFile);
// here, the window's part: situations added from files, removed, their hour moved, and saved.
TEST(EvaluationWindow, situationsFromFilesSavedOpenedAndSavedAgain) {
    QTemporaryDir dir;
    Evaluation w(kHeading, Rows(), {});
    ASSERT_TRUE(w.addSituationFromFiles({DataFile(dir, "forno.plv", 90, "33.0")}));
    ASSERT_TRUE(w.addSituationFromFiles({DataFile(dir, "cab.plv", 90, "30.0"),
                                         DataFile(dir, "abd.plv", 90, "28.0"),
                                         DataFile(dir, "tor.plv", 90, "24.0")}));
    QString complaint;
    w.complain = [&](const QString& t) { complaint = t; };
    // The table opened over is not a file: it goes.
    w.GridSituations->setCurrentCell(0, 0);
    w.findChild<QPushButton*>("CmdRemoveSituation")->click();
    ASSERT_EQ(w.GridSituations->rowCount(), 2);
    w.GridSituations->item(0, 1)->setText("40");
    w.GridSituations->item(1, 1)->setText("20");
    ASSERT_TRUE(w.report().result) << w.report().why.toStdString();
    // The hour moved by hand moves at every height measured together.
    w.selectSituation(1);
    w.findChild<QPushButton*>("CmdNextHour")->click();
    for (const auto& h : w.survey().situations[1].heights)
        EXPECT_EQ(h.from, QStringLiteral("24/03/07 08:01:00"));

    const QString path = dir.filePath("avaliacao.json");
    ASSERT_TRUE(w.saveSurvey(path)) << complaint.toStdString();
    const QByteArray saved = montira::test::ReadBytes(path);
    EXPECT_TRUE(saved.contains("\"file\": \"abd.plv\""));  // relative to the evaluation
    Evaluation again(kHeading, Rows(), {});
    ASSERT_TRUE(again.openSurvey(path)) << complaint.toStdString();
    ASSERT_TRUE(again.saveSurvey(dir.filePath("de_novo.json")));
    EXPECT_EQ(montira::test::ReadBytes(dir.filePath("de_novo.json")), saved);
}

TEST(EvaluationWindow, activitiesFoundByWordsAreAddedWithTheirRate) {
    Evaluation w(kHeading, Rows(), {});
    w.setPeriods({{30, 180, "mesa"}});
    w.TxtFindActivity->setText("em pe leve DOIS bracos");
    ASSERT_EQ(w.ComboClass->count(), 1);
    w.findChild<QPushButton*>("CmdAddPeriod")->click();
    ASSERT_EQ(w.GridPeriods->rowCount(), 2);
    EXPECT_EQ(w.GridPeriods->item(1, 0)->text(), QStringLiteral("30"));  // what is left
    EXPECT_EQ(w.GridPeriods->item(1, 2)->text(), QStringLiteral("243"));
    EXPECT_DOUBLE_EQ(w.report().survey.activities[1].watts, 243);
}
