#include "ui/memory/SetListModel.h"

#include <QCoreApplication>

namespace montira {

SetListModel::SetListModel(QObject* parent) : QAbstractTableModel(parent) {}

QStringList SetListModel::headers() {
    return {QCoreApplication::translate("SetListModel", "Conjunto"),
            QCoreApplication::translate("SetListModel", "Amostragem"),
            QCoreApplication::translate("SetListModel", "Registros")};
}

int SetListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !memory_ ? 0 : int(memory_->sets.size());
}

int SetListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant SetListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !memory_ || index.row() >= rowCount()) return {};
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole) return {};
    const int n = index.row() + 1;
    return SetListRow(n, memory_->sets[size_t(index.row())]).value(index.column());
}

QVariant SetListModel::headerData(int section, Qt::Orientation o, int role) const {
    if (o == Qt::Horizontal && role == Qt::DisplayRole) return headers().value(section);
    return QAbstractTableModel::headerData(section, o, role);
}

void SetListModel::setMemory(std::shared_ptr<const LoggerMemory> memory) {
    beginResetModel();
    memory_ = std::move(memory);
    endResetModel();
}

}  // namespace montira
