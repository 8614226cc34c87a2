#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ui/workload/Reference.h"
#include "ui/workload/WorkLoad.h"

using namespace montira;

// Pictures of the filled work-load window and of Reference for a person to look at.
// Written only when MONTIRA_SCREENSHOT_DIR names a folder.
TEST(WorkLoadScreenshot, filledWindowAndReferenceAreGrabbedWhenAsked) {
    const QString dir = qEnvironmentVariable("MONTIRA_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "MONTIRA_SCREENSHOT_DIR not set";
    AppState state;
    auto* w = new ui::WorkLoad(state);
    w->show();
    auto click = [&](const char* name) { w->findChild<QCheckBox*>(name)->click(); };
    auto choose = [&](const char* name, const char* entry) {
        auto* box = w->findChild<QComboBox*>(name);
        const int i = box->findText(QString::fromUtf8(entry));
        box->setCurrentIndex(i);
        emit box->activated(i);
    };
    click("CkType0");
    click("CkHL1");  // ticked, nothing chosen yet: its list shows 0
    EXPECT_TRUE(w->grab().save(QDir(dir).filePath("workload_fresh.png")));
    click("CkType0");
    click("CkBody1");
    choose("Combo11", "40");
    click("CkBody2");
    choose("Combo12", "20");
    click("CkType2");
    click("CkHL5");
    choose("Combo5", "45");
    click("CkType3");
    click("CkHL6");
    choose("Combo6", "15");
    choose("ComboCloth", "Casaco de algodão");
    choose("ComboAge", "40");
    w->findChild<QLineEdit*>("TxtName")->setText("Maria Souza");
    w->findChild<QLineEdit*>("TxtSector")->setText("Fundição");
    w->findChild<QLineEdit*>("TxtCompany")->setText("Metalúrgica Exemplo");
    state.AvgWbgtIndoor = 27.84;
    state.AvgWbgtOutdoor = 29.61;
    w->ShowAverages();
    w->findChild<QLineEdit*>("Txtkg")->setText("82");
    QTest::qWait(150);  // the 50 ms repair shows the minute captions
    EXPECT_TRUE(w->grab().save(QDir(dir).filePath("workload.png")));

    w->findChild<QPushButton*>("CmdReference")->click();
    auto* ref = w->findChild<ui::Reference*>();
    ASSERT_NE(ref, nullptr);
    EXPECT_TRUE(ref->grab().save(QDir(dir).filePath("reference.png")));
    delete w;
}
