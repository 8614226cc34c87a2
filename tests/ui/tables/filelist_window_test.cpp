#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QScrollBar>
#include <QTableView>

#include "core/record/DataFile.h"
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

TEST(FileListWindow, scrollingAGridMovesOnlyTheGridsToItsLeft) {
    FileList w;
    w.resize(900, 400);
    w.setRows(Rows(2000));
    w.show();
    QCoreApplication::processEvents();
    ColumnGrids* g = w.grids();
    EXPECT_LE(g->grid(0)->model()->rowCount(), RowWindowModel::kRows);  // a window of rows
    g->grid(11)->verticalScrollBar()->setValue(500);
    for (int k = 0; k < 12; ++k) EXPECT_EQ(g->topRow(k), 500) << k;
    g->scrollGridTo(5, 40);  // with the wheel or the keys: carries only its left side
    for (int k = 0; k < 12; ++k) EXPECT_EQ(g->topRow(k), k <= 5 ? 40 : 500) << k;
    EXPECT_EQ(g->grid(0)->model()->data(g->grid(0)->indexAt(QPoint(2, 2))).toString(), "41");
    g->scrollGridTo(11, 1995);
    QCoreApplication::processEvents();
    const int bottom = g->topRow(11);
    EXPECT_GT(bottom, 1900);
    for (int k = 0; k < 11; ++k) EXPECT_EQ(g->topRow(k), bottom) << k;
    QTableView* g0 = g->grid(0);
    EXPECT_EQ(g0->model()->data(g0->model()->index(g0->rowAt(0), 0)).toString(),
              QString::number(bottom + 1));
}
