#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "support/PdfText.h"
#include "support/Processes.h"
#include "ui/tables/FileList.h"
#include "ui/tables/ListWindowTools.h"
#include "ui/workload/Evaluation.h"

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
    ASSERT_TRUE(w.report().evaluation);
    EXPECT_EQ(w.report().evaluation->verdict, Verdict::AboveLimit);
    EXPECT_EQ(w.LblVerdict->text(), QStringLiteral("acima do limite"));

    // The clothing values are read as the Clothing tests check; a word no preset has stops it.
    w.ComboCloth->setEditText("lã");
    EXPECT_FALSE(w.report().evaluation);
}

TEST(EvaluationWindow, hourMovesByHandAndWithTheIndex) {
    Evaluation w(kHeading, Rows(), {});
    w.findChild<QPushButton*>("CmdNextHour")->click();
    EXPECT_EQ(w.LblStart->text(), QStringLiteral("24/03/07 09:01:00"));
    EXPECT_FALSE(w.setHourStart(150));  // 10:30 + 60 min runs past the data
    w.TxtStart->setText("24/03/07 08:15:00");
    emit w.TxtStart->returnPressed();
    EXPECT_EQ(w.report().hour.first, 15);
    w.findChild<QPushButton*>("CmdWorstHour")->click();
    EXPECT_EQ(w.report().hour.first, 60);

    w.ComboIndex->setCurrentIndex(1);  // IBUTGo: constant, so the first hour
    EXPECT_EQ(w.LblStart->text(), QStringLiteral("24/03/07 08:00:00"));
    EXPECT_TRUE(w.LblMean->text().startsWith("27.0 °C"));
}

TEST(EvaluationWindow, savesTheReportAsPdf) {
    QTemporaryDir dir;
    Evaluation w(kHeading, Rows(), HeaderTexts{"Ana", "Forno", "Acme"});
    w.setPeriods({{45, 180, "inspeção"}, {15, 297, "carga"}});
    w.choosePdfFile = [&] { return dir.filePath("r.pdf"); };
    w.findChild<QPushButton*>("CmdSavePdf")->click();
    const QByteArray pdf = montira::test::ReadBytes(dir.filePath("r.pdf"));
    EXPECT_TRUE(montira::test::PdfPages(pdf).join("").contains("inspeção"));
}

TEST(EvaluationWindow, opensFromTheFileWindowsToolbarOverItsTable) {
    montira::CsvChoice choice;
    montira::FileList list;
    montira::AttachTableTools(&list, &choice);
    list.setHeading(kHeading);
    list.setRows(Rows());
    list.TxtCompany->setText("Acme");
    QAction* evaluate = nullptr;
    for (QAction* a : list.toolbar()->actions())
        if (a->data().toString() == "Evaluation") evaluate = a;
    ASSERT_TRUE(evaluate);
    evaluate->trigger();
    Evaluation* w = nullptr;  // not a Q_OBJECT: found by its type, not by findChild
    for (QObject* o : list.children())
        if (auto* e = dynamic_cast<Evaluation*>(o)) w = e;
    ASSERT_TRUE(w);
    EXPECT_EQ(w->report().header.company.toStdString(), "Acme");
    EXPECT_EQ(w->report().hour.first, 60);
    w->close();
}
