#include "core/tables/TableLines.h"

#include "core/tables/Cp1252.h"

namespace montira {

QByteArray EncodeFieldsLine(const QStringList& fields) {
    QByteArray line;
    for (const QString& f : fields) {
        line += ToCp1252(f);
        line += '\t';
    }
    line += "\r\n";
    return line;
}

QByteArray EncodeHeaderLines(const QString& name, const QString& sector, const QString& company) {
    QByteArray out;
    for (const QString* t : {&name, &sector, &company}) {
        out += "*****";
        out += ToCp1252(*t);
        out += "\r\n";
    }
    return out;
}

QByteArray EncodeHeaderLines(const HeaderTexts& h) {
    return EncodeHeaderLines(h.name, h.sector, h.company);
}

}  // namespace montira
