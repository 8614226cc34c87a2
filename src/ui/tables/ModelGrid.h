#pragma once
#include "core/tables/GridSource.h"
#include "ui/tables/TableModel.h"

namespace montira {

// A window's table model as the save, print and export services see it (row 0 the heading).
class ModelGrid : public GridSource {
public:
    explicit ModelGrid(const TableModel& m) : m_(m) {}
    int rowCount() const override { return m_.gridRowCount(); }
    int columnCount() const override { return TextTable::kColumns; }
    QString cell(int row, int col) const override { return m_.gridText(row, col); }

private:
    const TableModel& m_;
};

// The first `rows` rows of another grid (the heading row counted): what the preview shows.
class FirstRows : public GridSource {
public:
    FirstRows(const GridSource& g, int rows) : g_(g), rows_(qMin(rows, g.rowCount())) {}
    int rowCount() const override { return rows_; }
    int columnCount() const override { return g_.columnCount(); }
    QString cell(int row, int col) const override { return g_.cell(row, col); }

private:
    const GridSource& g_;
    int rows_;
};

}  // namespace montira
