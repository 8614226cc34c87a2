#pragma once
#include <QString>
#include <QStringList>
#include <vector>

#include "core/tables/TextTable.h"

namespace montira::exposure {

// Minimum, mean and maximum of one channel of a data table, over the fields that hold a
// number ("- - -" left out); `count` 0 when there is none.
struct ChannelStat {
    QString name;  // the column's heading
    int count = 0;
    double min = 0, mean = 0, max = 0;
};

// The nine value channels (fields 4 to 12), in the table's own units.
std::vector<ChannelStat> ChannelStats(const QStringList& heading, const TextTable& rows);

// The first and last readable "YY/MM/DD hh:nn:ss" of the table (empty when none).
struct MeasuredPeriod {
    QString from, to;
    int rows = 0;
};
MeasuredPeriod MeasuredPeriodOf(const TextTable& rows);

}  // namespace montira::exposure
