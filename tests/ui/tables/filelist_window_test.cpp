#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

#include "core/live/DataFile.h"
#include "ui/tables/FileList.h"

using namespace montira;

namespace {

TextTable Rows(int n) {
    TextTable t;
    for (int i = 1; i <= n; ++i)
        t.appendRow({QString::number(i), "24/01/01", "10:00:00", "28.4", "18.0", "22.1", "29.6",
                     "25.1", "24.8", "31.2", "1.6", "- - -"});
    return t;
}

}  // namespace

TEST(FileListWindow, loadShowsCelsiusHeadingsInTwelveGridsAndEmptyBoxes) {
    FileList w;
    EXPECT_EQ(w.windowTitle(), "File List");
    for (int k = 0; k < 12; ++k) {
        auto* g = w.findChild<QTableView*>(QStringLiteral("GridN%1").arg(k));
        ASSERT_NE(g, nullptr) << k;
        EXPECT_EQ(g->verticalScrollBarPolicy(),
                  k == 11 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    }
    EXPECT_EQ(w.model()->gridText(0, 0), "( °C )");
    // The date column is sized for "AAAA/AA/AA", wider than the number column's "ABCADE".
    EXPECT_GT(w.grids()->grid(1)->width(), w.grids()->grid(0)->width());
}

TEST(FileListWindow, fileContentsReplaceHeadingsAndFillTheBoxes) {
    FileList w;
    const DataFileContents d = ReadDataFile(
        "*****Ana\r\n*****Forno 2\r\n*****A\xE7o\r\n"
        "( \xB0"
        "F )\tData\tHora\tSeco\tOrvalho\t\xDAmido\tI.C.\tIBUTGi\tIBUTGo\tGlobo\tft/m\tTwc\t\r\n"
        "1\t24/01/01\t10:00:00\t83.1\t\r\n");
    w.setHeaderTexts(d.name, d.sector, d.company);
    w.setHeading(d.heading);
    w.setRows(d.rows);
    EXPECT_EQ(w.TxtCompany->text(), "Aço");
    EXPECT_EQ(w.model()->gridText(0, 10), "ft/m");
    EXPECT_EQ(w.model()->gridText(1, 3), "83.1");
    EXPECT_EQ(w.model()->gridText(1, 4), "");
    EXPECT_EQ(w.listUnit(), "°F");
    w.setHeading(FileList::LoadHeadings());
    EXPECT_EQ(w.listUnit(), "°C");
}

TEST(FileListWindow, scrollingAGridMovesOnlyTheGridsToItsLeft) {
    FileList w;
    w.resize(900, 400);
    w.setRows(Rows(2000));
    w.show();
    QCoreApplication::processEvents();
    ColumnGrids* g = w.grids();
    g->grid(11)->verticalScrollBar()->setValue(500);
    for (int k = 0; k < 12; ++k) EXPECT_EQ(g->topRow(k), 500) << k;
    // A grid further left (scrolled with the wheel or the keys) carries only its left side.
    g->scrollGridTo(5, 40);
    for (int k = 0; k < 12; ++k) EXPECT_EQ(g->topRow(k), k <= 5 ? 40 : 500) << k;
    EXPECT_EQ(g->grid(0)->model()->data(g->grid(0)->indexAt(QPoint(2, 2))).toString(), "41");
    // ... and can go on scrolling both ways from there.
    g->grid(5)->verticalScrollBar()->setValue(g->grid(5)->verticalScrollBar()->value() - 30);
    EXPECT_EQ(g->topRow(5), 10);
    EXPECT_EQ(g->topRow(0), 10);
    g->scrollGridTo(11, 1995);
    QCoreApplication::processEvents();
    const int bottom = g->topRow(11);
    EXPECT_GT(bottom, 1900);
    for (int k = 0; k < 11; ++k) EXPECT_EQ(g->topRow(k), bottom) << k;
    QTableView* g0 = g->grid(0);
    EXPECT_EQ(g0->model()->data(g0->model()->index(g0->rowAt(0), 0)).toString(),
              QString::number(bottom + 1));
}

TEST(FileListWindow, gridsLeftOfTheLastHoldOnlyAWindowOfRows) {
    FileList w;
    w.setRows(Rows(5000));
    EXPECT_EQ(w.grids()->grid(11)->model()->rowCount(), 5000);
    EXPECT_LE(w.grids()->grid(0)->model()->rowCount(), RowWindowModel::kRows);
    EXPECT_EQ(w.model()->rowCount(), 5000);
}

TEST(FileListScreenshot, windowWithAFileIsGrabbedWhenAsked) {
    const QString dir = qEnvironmentVariable("MONTIRA_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "MONTIRA_SCREENSHOT_DIR not set";
    FileList w;
    const DataFileContents d = ReadDataFile(
        "*****Maria Souza\r\n*****Fundi\xE7\xE3o\r\n*****Metal\xFArgica Alfa\r\n" + [] {
            QByteArray b =
                "(\xB0"
                "C)\tData\tHora\tSeco\tOrvalho\t\xDAmido\tI.C.\tIBUTGi\tIBUTGo\t"
                "Globo\tm/s\tTwc\t\r\n";
            for (int i = 1; i <= 300; ++i)
                b += QByteArray::number(i) + "\t24/03/07\t09:" + QByteArray::number(10 + i / 30) +
                     ":" + QByteArray::number(10 + (i * 2) % 50) +
                     "\t28.4\t18.0\t22.1\t29.6\t25.1\t24.8\t31.2\t1.6\t- - -\t\r\n";
            return b;
        }());
    w.setHeaderTexts(d.name, d.sector, d.company);
    w.setHeading(d.heading);
    w.setRows(d.rows);
    w.setCaption("ensaio.plv");
    w.show();
    EXPECT_TRUE(w.grab().save(QDir(dir).filePath("filelist.png")));
}
