#include "ui/tables/TableModel.h"

#include <QCoreApplication>

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

// The words of the data files' heading, for the translation (units stay as they are).
[[maybe_unused]] const char* const kHeadingWords[] = {
    QT_TRANSLATE_NOOP("TableHeading", "Data"),   QT_TRANSLATE_NOOP("TableHeading", "Hora"),
    QT_TRANSLATE_NOOP("TableHeading", "Seco"),   QT_TRANSLATE_NOOP("TableHeading", "Orvalho"),
    QT_TRANSLATE_NOOP("TableHeading", "Úmido"),  QT_TRANSLATE_NOOP("TableHeading", "I.C."),
    QT_TRANSLATE_NOOP("TableHeading", "IBUTGi"), QT_TRANSLATE_NOOP("TableHeading", "IBUTGo"),
    QT_TRANSLATE_NOOP("TableHeading", "Globo")};

QVariant TableModel::headerData(int section, Qt::Orientation o, int role) const {
    if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, o, role);
    if (o == Qt::Horizontal) {
        if (section >= heading_.size()) return QString();
        if (!headingTranslated_) return heading_[section];
        return QCoreApplication::translate("TableHeading", heading_[section].toUtf8().constData());
    }
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
