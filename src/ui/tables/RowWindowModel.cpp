#include "ui/tables/RowWindowModel.h"

#include <algorithm>

namespace montira {

RowWindowModel::RowWindowModel(QAbstractItemModel* source, QObject* parent)
    : QAbstractTableModel(parent), source_(source) {
    rows_ = std::min(kRows, source_->rowCount());
    auto changed = [this] { sourceChanged(); };
    connect(source_, &QAbstractItemModel::modelReset, this, changed);
    connect(source_, &QAbstractItemModel::rowsInserted, this, changed);
    connect(source_, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(source_, &QAbstractItemModel::layoutChanged, this, changed);
    connect(source_, &QAbstractItemModel::dataChanged, this, changed);
    connect(source_, &QAbstractItemModel::headerDataChanged, this,
            [this](Qt::Orientation o, int first, int last) {
                if (o == Qt::Horizontal) emit headerDataChanged(o, first, last);
            });
}

int RowWindowModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int RowWindowModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : source_->columnCount();
}

QVariant RowWindowModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    return source_->data(source_->index(offset_ + index.row(), index.column()), role);
}

QVariant RowWindowModel::headerData(int section, Qt::Orientation o, int role) const {
    return source_->headerData(o == Qt::Vertical ? offset_ + section : section, o, role);
}

int RowWindowModel::clamp(int offset) const {
    return std::clamp(offset, 0, std::max(0, source_->rowCount() - kRows));
}

void RowWindowModel::setOffset(int offset) {
    offset = clamp(offset);
    if (offset == offset_) return;
    offset_ = offset;
    if (rows_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1));
}

void RowWindowModel::sourceChanged() {
    const int rows = std::min(kRows, source_->rowCount());
    if (rows != rows_) {
        beginResetModel();
        rows_ = rows;
        offset_ = clamp(offset_);
        endResetModel();
        return;
    }
    offset_ = clamp(offset_);
    if (rows_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1));
}

}  // namespace montira
