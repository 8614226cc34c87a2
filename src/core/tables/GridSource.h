#pragma once
#include <QString>
#include <QStringList>
#include <functional>

#include "core/tables/TableLines.h"
#include "core/tables/TextTable.h"

namespace montira {

// A table as the save, print and export services see it: row 0 is the heading row, every
// other row one record; cells are text.
class GridSource {
public:
    virtual ~GridSource() = default;
    virtual int rowCount() const = 0;  // heading row included
    virtual int columnCount() const = 0;
    virtual QString cell(int row, int col) const = 0;
    // The records (rows 1 on) as stored lines, when the table keeps them so; writers that
    // can take bytes as they are use it instead of cell().
    virtual const TextTable* records() const { return nullptr; }
};

// A heading and the records of a TextTable (the rows are not copied).
class HeadedTable : public GridSource {
public:
    HeadedTable(QStringList heading, const TextTable& rows)
        : heading_(std::move(heading)), rows_(rows) {}
    int rowCount() const override { return rows_.rowCount() + 1; }
    int columnCount() const override { return TextTable::kColumns; }
    QString cell(int row, int col) const override {
        return row == 0 ? heading_.value(col) : rows_.field(row - 1, col);
    }
    const TextTable* records() const override { return &rows_; }

private:
    QStringList heading_;
    const TextTable& rows_;
};

// True when any of the three texts is filled: then files and print-outs carry all three.
inline bool HasHeaderTexts(const HeaderTexts& h) {
    return !h.name.isEmpty() || !h.sector.isEmpty() || !h.company.isEmpty();
}

// Called with the row just handled (0 = the heading row) and the number of rows; returning
// false cancels the work.
using RowProgress = std::function<bool(int row, int rows)>;

}  // namespace montira
