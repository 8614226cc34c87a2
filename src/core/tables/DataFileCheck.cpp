#include "core/tables/DataFileCheck.h"

namespace montira {

bool IsDataFileHeading(const QStringList& heading) {
    if (heading.isEmpty()) return false;
    QString unit = heading.first();
    unit.remove(u' ');
    return unit == QStringLiteral("(°C)") || unit == QStringLiteral("(°F)");
}

}  // namespace montira
