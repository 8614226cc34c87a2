#include "core/workload/ChannelStats.h"

#include <algorithm>
#include <cmath>

#include "core/meter/Numbers.h"
#include "core/workload/WbgtAverage.h"
#include "core/workload/WbgtSeries.h"

namespace montira::exposure {

std::vector<ChannelStat> ChannelStats(const QStringList& heading, const TextTable& rows) {
    std::vector<ChannelStat> out;
    for (int col = 3; col < TextTable::kColumns; ++col) {
        ChannelStat c;
        c.name = heading.value(col).trimmed();
        double sum = 0;
        for (int r = 0; r < rows.rowCount(); ++r) {
            const QString t = rows.field(r, col);
            if (!workload::IsNumberText(t)) continue;
            const double v = LeadingNumber(t);
            if (!std::isfinite(v)) continue;
            c.min = c.count ? std::min(c.min, v) : v;
            c.max = c.count ? std::max(c.max, v) : v;
            sum += v;
            ++c.count;
        }
        if (c.count) c.mean = sum / c.count;
        out.push_back(c);
    }
    return out;
}

MeasuredPeriod MeasuredPeriodOf(const TextTable& rows) {
    MeasuredPeriod p;
    p.rows = rows.rowCount();
    qint64 t = 0;
    for (int r = 0; r < rows.rowCount(); ++r)
        if (ParseStamp(rows.field(r, 1), rows.field(r, 2), t)) {
            p.from = StampText(t);
            break;
        }
    for (int r = rows.rowCount() - 1; r >= 0; --r)
        if (ParseStamp(rows.field(r, 1), rows.field(r, 2), t)) {
            p.to = StampText(t);
            break;
        }
    return p;
}

}  // namespace montira::exposure
