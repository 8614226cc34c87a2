#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "support/PdfText.h"
#include "support/Processes.h"
#include "ui/workload/HeatStrain.h"
#include "ui/workload/OpenHeatStrain.h"

using montira::HeaderTexts;
using montira::TextTable;
using montira::ui::HeatStrain;

namespace {

// The standard's first reference case: a globe at air temperature reads the radiant one.
void CaseOne(HeatStrain& w) {
    w.setClimate(40, 40, 0.3, 33.85, "hora");
    w.TxtMet->setText("150");
    w.TxtClo->setText("0.5");
}

}  // namespace

TEST(HeatStrainWindow, showsTheThreeAllowableTimesAndTheFinalState) {
    HeatStrain w;
    CaseOne(w);
    ASSERT_TRUE(w.report());
    EXPECT_TRUE(w.LblDlimLoss50->text().startsWith("440 min"))
        << w.LblDlimLoss50->text().toStdString();
    EXPECT_TRUE(w.LblDlimLoss95->text().startsWith("298 min"));
    EXPECT_TRUE(w.LblDlimTre->text().startsWith("480 min ("));  // the whole duration
    EXPECT_EQ(w.LblRectal->text(), QStringLiteral("37.53 °C"));
    EXPECT_EQ(w.LblTr->text(), QStringLiteral("40.0 °C"));
    EXPECT_TRUE(w.LblRange->text().isEmpty());
    w.CkAcclimatised->setChecked(false);  // every edit recomputes
    EXPECT_NE(w.LblDlimLoss95->text(), QStringLiteral("298 min"));
}

TEST(HeatStrainWindow, metUnitConvertsWhatIsTypedAndKeepsTheResult) {
    HeatStrain w;
    CaseOne(w);
    const QString before = w.LblWaterLoss->text();
    w.ComboMetUnit->setCurrentIndex(1);
    EXPECT_EQ(w.TxtMet->text(), QStringLiteral("2.58"));
    EXPECT_NEAR(w.report()->input.met, 150, 0.1);
    EXPECT_NEAR(w.LblWaterLoss->text().section(' ', 0, 0).toDouble(),
                before.section(' ', 0, 0).toDouble(), 2);
}

TEST(HeatStrainWindow, typedHumidityIsNoLongerTheMeters) {
    HeatStrain w;
    CaseOne(w);
    EXPECT_TRUE(w.report()->humidityFromMeter);
    const QString meterNote = w.LblHumidityNote->text();
    EXPECT_FALSE(meterNote.isEmpty());
    w.TxtRh->setFocus();
    w.TxtRh->selectAll();
    w.TxtRh->insert("30");  // as typed: textEdited
    EXPECT_FALSE(w.report()->humidityFromMeter);
    EXPECT_NE(w.LblHumidityNote->text(), meterNote);
}

TEST(HeatStrainWindow, wrongOrMissingInputsShowWhichAndNoResult) {
    const struct {
        const char* field;
        const char* text;
    } rows[] = {
        {"TxtTa", ""},      {"TxtTa", "quarenta"},
        {"TxtRh", "101"},   {"TxtVa", "-1"},
        {"TxtClo", "abc"},  {"TxtDuration", "90.5"},
        {"TxtWeight", "0"}, {"TxtGlobeDiameter", "0"},
        {"TxtWork", "150"}, {"TxtWalkDirection", "90"},  // a direction without a walking speed
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.field);
        HeatStrain w;
        CaseOne(w);
        w.findChild<QLineEdit*>(row.field)->setText(row.text);
        EXPECT_FALSE(w.report());
        EXPECT_FALSE(w.LblProblem->text().isEmpty());
        EXPECT_EQ(w.LblDlimTre->text(), QStringLiteral("- - -"));
    }
}

TEST(HeatStrainWindow, saysWhenTheCaseLiesOutsideTheModel) {
    HeatStrain w;
    CaseOne(w);
    w.TxtTa->setText("55");
    ASSERT_TRUE(w.report());
    EXPECT_FALSE(w.report()->result.inRange);
    EXPECT_FALSE(w.LblRange->text().isEmpty());
}

TEST(HeatStrainWindow, savesThePageAsPdf) {
    QTemporaryDir dir;
    HeatStrain w;
    w.setHeader(HeaderTexts{"Ana", "Forno", "Acme"});
    CaseOne(w);
    w.choosePdfFile = [&] { return dir.filePath("r.pdf"); };
    w.findChild<QPushButton*>("CmdSavePdf")->click();
    const QString text =
        montira::test::PdfPages(montira::test::ReadBytes(dir.filePath("r.pdf"))).join("");
    EXPECT_TRUE(text.contains("Acme"));
    EXPECT_TRUE(text.contains("298 min"));
    EXPECT_TRUE(text.contains("ISO 7933"));
}

TEST(HeatStrainWindow, opensOverTheMeanClimateOfTheHour) {
    // 30 °C dry, 40 °C globe, 0.5 m/s, wet bulb 25 °C, one reading a minute for an hour.
    const QStringList heading = {"(°C)", "Data",   "Hora",   "Seco",  "Orvalho", "Úmido",
                                 "I.C.", "IBUTGi", "IBUTGo", "Globo", "m/s",     "Twc"};
    TextTable rows;
    for (int i = 0; i < 60; ++i)
        rows.appendRow({QString::number(i + 1), "24/03/07",
                        QStringLiteral("08:%1:00").arg(i, 2, 10, QLatin1Char('0')), "30.0", "22.0",
                        "25.0", "31.0", "28.5", "27.0", "40.0", "0.5", "- - -"});
    QWidget parent;
    const auto s =
        montira::exposure::ReadWbgtSeries(heading, rows, montira::exposure::WbgtIndex::Indoor);
    montira::OpenHeatStrain(&parent, heading, rows, s, montira::exposure::WorstHour(s),
                            HeaderTexts{"", "", "Acme"});
    HeatStrain* w = nullptr;
    for (QObject* o : parent.children())
        if (auto* h = dynamic_cast<HeatStrain*>(o)) w = h;
    ASSERT_TRUE(w);
    EXPECT_EQ(w->TxtTa->text(), QStringLiteral("30"));
    EXPECT_EQ(w->TxtTg->text(), QStringLiteral("40"));
    EXPECT_EQ(w->TxtVa->text(), QStringLiteral("0.5"));
    EXPECT_TRUE(w->LblClimateSource->text().contains("24/03/07 08:00:00"));
    ASSERT_TRUE(w->report());
    EXPECT_EQ(w->report()->header.company, QStringLiteral("Acme"));
    EXPECT_GT(w->report()->input.tr, 40);  // the globe is cooled by the moving air
}
