#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "ui/workload/Reference.h"
#include "ui/workload/WorkLoad.h"

using namespace montira;
using montira::ui::WorkLoad;

namespace {

class WorkLoadWindow : public ::testing::Test {
protected:
    void SetUp() override {
        state.WorkLoadOpen = true;
        w = new WorkLoad(state);
        w->show();
    }
    void TearDown() override { delete w; }

    template <class T>
    T* Get(const QString& name) {
        T* c = w->findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    QString Text(const QString& label) { return Get<QLabel>(label)->text(); }
    void Choose(const QString& combo, const QString& entry) {
        auto* box = Get<QComboBox>(combo);
        const int i = box->findText(entry);
        ASSERT_GE(i, 0);
        box->setCurrentIndex(i);
        emit box->activated(i);
    }
    void Click(const QString& box) { Get<QCheckBox>(box)->click(); }
    // The limit texts carry the user's decimal separator.
    static QString Local(QString s) {
        return s.replace(QLatin1Char('.'), QLocale().decimalPoint());
    }

    AppState state;
    QPointer<WorkLoad> w;
};

}  // namespace

TEST_F(WorkLoadWindow, seatedWithLightHandWorkShowsLightLimits) {
    Click("CkBody0");
    Choose("Combo10", "60");
    Click("CkType0");
    EXPECT_TRUE(Get<QCheckBox>("CkHL0")->isEnabled());
    Click("CkHL0");
    EXPECT_TRUE(Get<QComboBox>("Combo0")->isVisible());
    EXPECT_EQ(Get<QComboBox>("Combo0")->currentText(), "");  // shows its "0" placeholder
    Choose("Combo0", "60");
    EXPECT_DOUBLE_EQ(w->sheet().M, 102);
    EXPECT_EQ(Text("LblLoad"), "Leve");
    EXPECT_EQ(Text("LblC0"), Local(QStringLiteral("30 ºC(86 ºF)")));
    EXPECT_EQ(Text("LblC3"), Local(QStringLiteral("32.2 ºC(89 ºF)")));
    QTRY_VERIFY(Get<QLabel>("LblMinHr1")->isVisible());  // the 50 ms repair shows it
    EXPECT_TRUE(Get<QLabel>("LblMinHr2")->isVisible());

    Click("CkHL0");  // very heavy whole-body work instead of light hand work
    Click("CkType3");
    Click("CkHL9");
    Choose("Combo9", "60");
    EXPECT_EQ(Text("LblLoad"), "Pesado");
    Click("CkType3");  // unticked: its levels keep their ticks but are off
    EXPECT_FALSE(Get<QCheckBox>("CkHL9")->isEnabled());
    EXPECT_TRUE(Get<QCheckBox>("CkHL9")->isChecked());
    EXPECT_EQ(Text("LblLoad"), "Leve");
}

TEST_F(WorkLoadWindow, clothingAndAgeReEvaluate) {
    Choose("ComboCloth", QStringLiteral("Casaco de algodão"));
    EXPECT_EQ(Text("LblC0"), Local(QStringLiteral("28 ºC(82 ºF)")));
    Choose("ComboAge", "65");
    EXPECT_DOUBLE_EQ(w->sheet().M, 60 / 0.68);
}

TEST_F(WorkLoadWindow, weightBoxTakesDigitsAndPointOnly) {
    auto* kg = Get<QLineEdit>("Txtkg");
    kg->setFocus();
    kg->selectAll();
    QTest::keyClicks(kg, "a");
    EXPECT_EQ(kg->text(), "70");
    kg->clear();
    QTest::keyClicks(kg, "72,x5");
    EXPECT_EQ(kg->text(), "725");
    kg->clear();
    QTest::keyClicks(kg, "72.5");
    EXPECT_EQ(kg->text(), "72.5");
    EXPECT_EQ(Text("Lbllbs"), Local(QStringLiteral("159.8")));

    kg->clear();  // empty weight: 0 kg and the light class
    EXPECT_EQ(w->sheet().M, 0);
    Click("CkBody1");
    EXPECT_EQ(kg->text(), "0");
}

TEST_F(WorkLoadWindow, averagesShowAndMoveTheRegimes) {
    state.AvgWbgtIndoor = 25.37;
    state.AvgWbgtOutdoor = 0.5;
    w->ShowAverages();
    EXPECT_EQ(Text("LblWbgti"), QStringLiteral("25.3ºC / 77 ºF"));
    EXPECT_EQ(Text("LblWbgto"), QStringLiteral(".5ºC / 32 ºF"));
    EXPECT_EQ(Text("LblWRRi"), "");  // nothing chosen yet

    Choose("ComboAge", "20");
    EXPECT_EQ(Text("LblWRRi"), QStringLiteral("Trabalho contínuo"));
    state.AvgWbgtIndoor = 40;
    w->ShowAverages();
    EXPECT_EQ(Text("LblWRRi"), QStringLiteral("Sobrecarga de trabalho"));
}

TEST_F(WorkLoadWindow, printingRestoresTheWindow) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("workload.pdf");
    const QSize before = w->size();
    bool asked = false;
    w->askPrinter = [&](QPrinter& p) {
        asked = true;
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        return true;
    };
    QPrinter printer(QPrinter::ScreenResolution);
    EXPECT_TRUE(w->PrintWindow(printer));
    EXPECT_TRUE(asked);
    EXPECT_GT(QFileInfo(pdf).size(), 0);
    EXPECT_TRUE(Get<QWidget>("HeaderArea")->isVisible());
    EXPECT_EQ(w->size(), before);

    w->askPrinter = [](QPrinter&) { return false; };  // cancelled
    EXPECT_FALSE(w->PrintWindow(printer));
    EXPECT_TRUE(Get<QPushButton>("CmdPrint")->isVisible());
    EXPECT_EQ(w->size(), before);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(WorkLoadWindow, closingClearsTheOpenFlagAndDeletesTheWindow) {
    w->close();
    EXPECT_FALSE(state.WorkLoadOpen);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
}
