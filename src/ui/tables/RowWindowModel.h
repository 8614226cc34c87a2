#pragma once
#include <QAbstractTableModel>

namespace montira {

// A window of at most kRows rows of another table model, starting at offset(). The column
// grids left of the scrolling one show their rows through it: a view keeps a little state
// per row of its model, so twelve views over 320,000 rows would cost more than the rows
// themselves.
class RowWindowModel : public QAbstractTableModel {
public:
    static constexpr int kRows = 256;  // more than any screen shows at once

    explicit RowWindowModel(QAbstractItemModel* source, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

    int offset() const { return offset_; }
    // Moves the window (clamped so that it stays inside the source rows).
    void setOffset(int offset);
    int sourceRows() const { return source_->rowCount(); }

private:
    void sourceChanged();
    int clamp(int offset) const;
    QAbstractItemModel* source_;
    int offset_ = 0;
    int rows_ = 0;
};

}  // namespace montira
