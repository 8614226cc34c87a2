#pragma once
#include <QFont>
#include <QStringList>
#include <QTableView>
#include <QVector>
#include <QWidget>

#include "ui/tables/RowWindowModel.h"
#include "ui/tables/TableModel.h"

namespace montira {

// Twelve one-column grids side by side over one model (the column grids of the downloaded
// and file lists). Only the rightmost grid has a vertical scroll bar, but the wheel and the
// keys reach every grid: whichever grid scrolls, all twelve show the same top row.
// The grids are named prefix + index ("GridN0" ... "GridN11").
// Only the rightmost grid views the whole model; each grid to its left views a window of
// rows around its top row (RowWindowModel), so read cells through model(), not through a
// grid's own model.
class ColumnGrids : public QWidget {
public:
    ColumnGrids(const QString& namePrefix, TableModel* model, QWidget* parent = nullptr);

    QTableView* grid(int k) const { return grids_.value(k); }
    int count() const { return int(grids_.size()); }
    TableModel* model() const { return model_; }
    // Column widths from sample texts in the grids' font (a larger font gives wider grids).
    void setWidthSamples(const QStringList& samples);
    // Top visible record row of grid k (0-based model row).
    int topRow(int k) const;
    void scrollGridTo(int k, int modelRow);

private:
    void follow(int k);
    void placeTop(int k, int modelRow);
    TableModel* model_;
    QVector<QTableView*> grids_;
    QVector<RowWindowModel*> windows_;  // one per grid left of the last
    bool following_ = false;
};

}  // namespace montira
