#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QScrollBar>
#include <QTableView>
#include <QWheelEvent>

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

// `notches` wheel notches downwards over a grid's rows.
void Wheel(QTableView* grid, int notches) {
    QWidget* v = grid->viewport();
    const QPointF at(v->width() / 2.0, v->height() / 2.0);
    for (int i = 0; i < notches; ++i) {
        QWheelEvent e(at, v->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(v, &e);
    }
}

struct Shown {
    FileList w;
    ColumnGrids* g = w.grids();
    Shown() {
        w.resize(900, 400);
        w.setRows(Rows(2000));
        w.show();
        QCoreApplication::processEvents();
    }
    // The first cell that grid k shows.
    QString firstShown(int k) const {
        QTableView* v = g->grid(k);
        return v->model()->data(v->model()->index(v->rowAt(0), k)).toString();
    }
};

}  // namespace

TEST(FileListWindow, theWheelOverAnyColumnScrollsEveryColumnTogether) {
    for (int k : {0, 5, 10, 11}) {
        Shown s;
        s.g->grid(11)->verticalScrollBar()->setValue(500);
        Wheel(s.g->grid(k), 3);
        const int top = s.g->topRow(k);
        EXPECT_GT(top, 500) << k;
        for (int c = 0; c < 12; ++c) EXPECT_EQ(s.g->topRow(c), top) << k << " " << c;
        // The row number's grid and the wind chill's grid show the same record.
        EXPECT_EQ(s.firstShown(0), QString::number(top + 1)) << k;
    }
}

TEST(FileListWindow, everyColumnFollowsTheScrollBarAndAGridScrolledByTheKeys) {
    Shown s;
    EXPECT_LE(s.g->grid(0)->model()->rowCount(), RowWindowModel::kRows);  // a window of rows
    s.g->grid(11)->verticalScrollBar()->setValue(500);
    for (int k = 0; k < 12; ++k) EXPECT_EQ(s.g->topRow(k), 500) << k;
    s.g->scrollGridTo(5, 40);
    for (int k = 0; k < 12; ++k) EXPECT_EQ(s.g->topRow(k), 40) << k;
    EXPECT_EQ(s.firstShown(0), "41");
    s.g->scrollGridTo(11, 1995);
    QCoreApplication::processEvents();
    const int bottom = s.g->topRow(11);
    EXPECT_GT(bottom, 1900);
    for (int k = 0; k < 11; ++k) EXPECT_EQ(s.g->topRow(k), bottom) << k;
    EXPECT_EQ(s.firstShown(0), QString::number(bottom + 1));
}
