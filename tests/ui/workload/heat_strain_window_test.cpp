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

using montira::HeaderTexts;
using montira::ui::HeatStrain;

namespace {

// The standard's first reference case: a globe at air temperature reads the radiant one.
void CaseOne(HeatStrain& w) {
    w.setClimate(40, 40, 0.3, 33.85, "hora");
    w.TxtMet->setText("150");
    w.TxtClo->setText("0.5");
}

}  // namespace

// The numbers are the model's (its own tests check them); here, that they reach the labels.
TEST(HeatStrainWindow, showsTheResultAndRecomputesOnEveryEdit) {
    HeatStrain w;
    CaseOne(w);
    ASSERT_TRUE(w.report());
    EXPECT_TRUE(w.LblDlimLoss95->text().startsWith("298 min"))
        << w.LblDlimLoss95->text().toStdString();
    EXPECT_EQ(w.LblRectal->text(), QStringLiteral("37.53 °C"));
    EXPECT_TRUE(w.LblRange->text().isEmpty());
    w.CkAcclimatised->setChecked(false);
    EXPECT_FALSE(w.LblDlimLoss95->text().startsWith("298 min"));
    w.TxtTa->setText("55");  // outside the model: still computed, and said
    ASSERT_TRUE(w.report());
    EXPECT_FALSE(w.report()->result.inRange);
    EXPECT_FALSE(w.LblRange->text().isEmpty());
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
    } rows[] = {// empty, not a number, out of range, a direction without a walking speed
                {"TxtTa", ""},
                {"TxtTa", "quarenta"},
                {"TxtRh", "101"},
                {"TxtWalkDirection", "90"}};
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

// The page's numbers are the window's (above); here, that the button writes it with the header
// texts, and its footer numbers the pages.
TEST(HeatStrainWindow, savesThePageAsPdfWithTheHeaderTexts) {
    QTemporaryDir dir;
    HeatStrain w;
    w.setHeader(HeaderTexts{"Ana", "Forno", "Acme"});
    CaseOne(w);
    w.choosePdfFile = [&] { return dir.filePath("r.pdf"); };
    w.findChild<QPushButton*>("CmdSavePdf")->click();
    const QString text =
        montira::test::PdfPages(montira::test::ReadBytes(dir.filePath("r.pdf"))).join("");
    for (const char* want : {"Acme", "página 1 de 1"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(want))) << want << text.toStdString();
}
