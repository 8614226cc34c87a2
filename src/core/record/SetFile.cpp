#include "core/record/SetFile.h"

#include "core/record/DataFile.h"

namespace montira {

QStringList SetListHeading(bool celsius) {
    QStringList h = DataFileHeading(celsius);
    h[0] = celsius ? QStringLiteral("( °C )") : QStringLiteral("( °F )");
    return h;
}

bool WriteSetFile(QIODevice& out, const QString& name, const QString& sector,
                  const QString& company, const QStringList& heading, const TextTable& rows,
                  const std::function<void(int)>& progress) {
    const auto put = [&](const QByteArray& b) { return out.write(b) == b.size(); };
    bool ok = true;
    if (!name.isEmpty() || !sector.isEmpty() || !company.isEmpty())
        ok = put(EncodeHeaderLines(name, sector, company));
    ok = put(EncodeFieldsLine(heading)) && ok;
    if (progress) progress(0);
    for (int r = 0; r < rows.rowCount(); ++r) {
        ok = put(EncodeFieldsLine(rows.rowFields(r))) && ok;
        if (progress) progress(r + 1);
    }
    return ok;
}

}  // namespace montira
