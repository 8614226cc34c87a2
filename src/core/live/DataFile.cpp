#include "core/live/DataFile.h"

#include <cstring>

#include "core/tables/Cp1252.h"

namespace montira {

QStringList DataFileHeading(bool celsius) {
    return {celsius ? QStringLiteral("(°C)") : QStringLiteral("(°F)"),
            QStringLiteral("Data"),
            QStringLiteral("Hora"),
            QStringLiteral("Seco"),
            QStringLiteral("Orvalho"),
            QStringLiteral("Úmido"),
            QStringLiteral("I.C."),
            QStringLiteral("IBUTGi"),
            QStringLiteral("IBUTGo"),
            QStringLiteral("Globo"),
            celsius ? QStringLiteral("m/s") : QStringLiteral("ft/m"),
            QStringLiteral("Twc")};
}

QStringList ReadingFields(const Reading& r, bool c) {
    return {c ? r.DryText : r.DryTextF,
            c ? r.DewText : r.DewTextF,
            c ? r.WetText : r.WetTextF,
            c ? r.HeatIndexText : r.HeatIndexTextF,
            c ? r.WbgtIndoorText : r.WbgtIndoorTextF,
            c ? r.WbgtOutdoorText : r.WbgtOutdoorTextF,
            c ? r.GlobeText : r.GlobeTextF,
            c ? r.AirSpeedText : r.AirSpeedTextFtMin,
            c ? r.WindChillText : r.WindChillTextF};
}

QString TimeStampText(const QDateTime& t) {
    return t.toString(QStringLiteral("yy/MM/dd HH:mm:ss"));
}

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

DataFileContents ReadDataFile(QByteArray bytes) {
    DataFileContents out;
    const bool utf8 = LooksLikeUtf8(bytes.constData(), bytes.size());
    const char* base = bytes.constData();
    const qsizetype size = bytes.size();
    int c = 1;  // the line counter of the Open command; 0 after the third header line
    qsizetype pos = 0;
    std::vector<std::pair<qsizetype, qsizetype>> spans;
    auto text = [&](qsizetype b, qsizetype e) { return DecodeFileText(base + b, e - b, utf8); };
    while (pos < size) {
        const void* nl = std::memchr(base + pos, '\n', size_t(size - pos));
        const qsizetype lineEnd = nl ? static_cast<const char*>(nl) - base : size;
        qsizetype end = lineEnd;
        if (end > pos && base[end - 1] == '\r') --end;
        const qsizetype len = end - pos;
        if (len >= 5 && base[pos] == '*' && base[pos + 4] == '*') {
            const QString t = text(pos + 5, end);
            if (c == 1) out.name = t;
            else if (c == 2) out.sector = t;
            else if (c == 3) {
                out.company = t;
                c = 0;
            }
        } else if (c == 1) {
            for (int k = 0; k < TextTable::kColumns; ++k) out.heading << QString();
            qsizetype p = pos;
            for (int k = 0; k < TextTable::kColumns && p <= end; ++k) {
                const void* tab = std::memchr(base + p, '\t', size_t(end - p));
                const qsizetype stop = tab ? static_cast<const char*>(tab) - base : end;
                out.heading[k] = text(p, stop);
                if (!tab) break;
                p = stop + 1;
            }
        } else {
            spans.emplace_back(pos, end);
        }
        ++c;
        if (c > 1000000) c = 4;  // only its first values matter; keep it from overflowing
        pos = lineEnd + 1;
    }
    out.rows.adoptBuffer(std::move(bytes), utf8);
    out.rows.reserve(qsizetype(spans.size()));
    for (const auto& s : spans) out.rows.appendSpan(s.first, s.second);
    return out;
}

}  // namespace montira
