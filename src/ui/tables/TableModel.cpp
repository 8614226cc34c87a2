#include "ui/tables/TableModel.h"

namespace montira {

namespace {
constexpr int kMaxCellChars = 200;  // a pathological 5 MB field is shown cut
}

TableModel::TableModel(QObject* parent) : QAbstractTableModel(parent) {
    for (int i = 0; i < TextTable::kColumns; ++i) heading_ << QString();
}

int TableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_.rowCount();
}

int TableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : TextTable::kColumns;
}

QVariant TableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return rows_.field(index.row(), index.column(), kMaxCellChars);
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    return {};
}

QVariant TableModel::headerData(int section, Qt::Orientation o, int role) const {
    if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, o, role);
    if (o == Qt::Horizontal) return section < heading_.size() ? heading_[section] : QString();
    return section + 1;
}

void TableModel::setHeading(const QStringList& heading) {
    heading_ = heading;
    while (heading_.size() < TextTable::kColumns) heading_ << QString();
    emit headerDataChanged(Qt::Horizontal, 0, TextTable::kColumns - 1);
}

void TableModel::appendRow(const QStringList& fields) {
    const int r = rows_.rowCount();
    beginInsertRows(QModelIndex(), r, r);
    rows_.appendRow(fields);
    endInsertRows();
}

void TableModel::resetRows(TextTable rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void TableModel::clearRows() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

QString TableModel::gridText(int gridRow, int col) const {
    if (gridRow == 0) return col >= 0 && col < heading_.size() ? heading_[col] : QString();
    return rows_.field(gridRow - 1, col);
}

}  // namespace montira
