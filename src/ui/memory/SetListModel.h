#pragma once
#include <QAbstractTableModel>
#include <memory>

#include "core/meter/LoggerSets.h"

namespace montira {

// The sets list of the Memory window over the downloaded logger memory: one row per set
// (number, interval "mm:ss", record count) under the headers "Conjunto", "Amostragem",
// "Registros". Cells are made when shown, so 65535 sets cost nothing up front.
class SetListModel : public QAbstractTableModel {
public:
    explicit SetListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

    void setMemory(std::shared_ptr<const LoggerMemory> memory);
    void clear() { setMemory(nullptr); }
    const std::shared_ptr<const LoggerMemory>& memory() const { return memory_; }

    static QStringList headers();

private:
    std::shared_ptr<const LoggerMemory> memory_;
};

}  // namespace montira
