#pragma once
#include <QAbstractTableModel>
#include <QStringList>

#include "core/tables/TextTable.h"

namespace montira {

// A twelve-column table model over compact rows (TextTable): the heading row is the
// horizontal header (the grids' fixed row 0), every model row is one record. Appends go
// through beginInsertRows, so a view never rebuilds itself.
class TableModel : public QAbstractTableModel {
public:
    explicit TableModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

    void setHeading(const QStringList& heading);
    // The windows that make their own heading show it in the interface's language; the
    // heading itself (saved, printed, exported) stays as the data files have it. A data
    // file's own heading is shown as it is.
    void setHeadingShownTranslated(bool on) { headingTranslated_ = on; }
    QStringList heading() const { return heading_; }
    void appendRow(const QStringList& fields);
    // Replaces all rows at once (a file just read).
    void resetRows(TextTable rows);
    void clearRows();
    const TextTable& rows() const { return rows_; }
    // Cell text in grid terms: row 0 is the heading, row r > 0 is record r.
    QString gridText(int gridRow, int col) const;
    int gridRowCount() const { return rowCount() + 1; }

private:
    QStringList heading_;
    TextTable rows_;
    bool headingTranslated_ = false;
};

}  // namespace montira
