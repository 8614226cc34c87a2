#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "ui/workload/Reference.h"
#include "ui/workload/WorkLoad.h"

using namespace montira;
using montira::ui::WorkLoad;

namespace {

class WorkLoadWindow : public ::testing::Test {
protected:
    void SetUp() override {
        w = std::make_unique<WorkLoad>(state, &ticker);
        w->show();
    }
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
    Recorder recorder{state};
    SampleTicker ticker{state, recorder};
    std::unique_ptr<WorkLoad> w;
};

}  // namespace

TEST_F(WorkLoadWindow, ticksChooseTheLoadAndUntickingCorpoInteiroKeepsItsTicks) {
    Click("CkBody0");
    Choose("Combo10", "60");
    Click("CkType0");
    Click("CkHL0");
    Choose("Combo0", "60");
    EXPECT_DOUBLE_EQ(w->sheet().M, 102);
    EXPECT_EQ(Text("LblLoad"), "Leve");
    EXPECT_EQ(Text("LblC3"), Local(QStringLiteral("32.2 ºC(89 ºF)")));

    Click("CkType3");  // very heavy whole-body work, unticked again: its ticks stay, unused
    Click("CkHL9");
    Click("CkType3");
    EXPECT_FALSE(Get<QCheckBox>("CkHL9")->isEnabled());
    EXPECT_TRUE(Get<QCheckBox>("CkHL9")->isChecked());
    EXPECT_DOUBLE_EQ(w->sheet().M, 102);
    Choose("ComboCloth", QStringLiteral("Casaco de algodão"));
    EXPECT_EQ(Text("LblC0"), Local(QStringLiteral("28 ºC(82 ºF)")));
}

TEST_F(WorkLoadWindow, weightBoxTakesDigitsAndPointOnly) {
    auto* kg = Get<QLineEdit>("Txtkg");
    kg->setFocus();
    for (auto [typed, kept] : {std::pair{"a", "70"}, {"72,x5", "725"}, {"72.5", "72.5"}}) {
        kg->selectAll();
        QTest::keyClicks(kg, typed);
        EXPECT_EQ(kg->text(), kept) << typed;
    }
    EXPECT_EQ(Text("Lbllbs"), Local(QStringLiteral("159.8")));
}

TEST_F(WorkLoadWindow, printingOrCancellingRestoresTheWindow) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("workload.pdf");
    const QSize before = w->size();
    w->askPrinter = [&](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        return true;
    };
    QPrinter printer(QPrinter::ScreenResolution);
    EXPECT_TRUE(w->PrintWindow(printer));
    EXPECT_GT(QFileInfo(pdf).size(), 0);
    EXPECT_TRUE(Get<QWidget>("HeaderArea")->isVisible());
    EXPECT_EQ(w->size(), before);

    w->askPrinter = [](QPrinter&) { return false; };  // cancelled
    EXPECT_FALSE(w->PrintWindow(printer));
    EXPECT_TRUE(Get<QPushButton>("CmdPrint")->isVisible());
    EXPECT_EQ(w->size(), before);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
