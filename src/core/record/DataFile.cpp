#include "core/record/DataFile.h"

#include <algorithm>
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

QStringList SampleFields(const QString& stamp, const Reading& r, bool celsius) {
    return QStringList{stamp.left(8), stamp.mid(9, 8)} + ReadingFields(r, celsius);
}

QString FileTitle(const QString& path) {
    const qsizetype slash = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.mid(slash + 1);
}

QString ContinuationFileName(const QString& path, int seq) {
    const qsizetype nameStart = path.size() - FileTitle(path).size();
    const qsizetype dot = path.indexOf(u'.', nameStart);
    const QString tag = QStringLiteral("-") + QString::number(seq);
    if (dot < 0) return path + tag;
    return path.left(dot) + tag + path.mid(dot);
}

QString AutoSaveFileName(const QDateTime& t) {
    return t.toString(QStringLiteral("MMddHHmmss")) + QStringLiteral(".plv");
}

QByteArray EncodeDataLine(qint64 number, const QStringList& sampleFields) {
    return EncodeFieldsLine(QStringList{QString::number(number)} + sampleFields);
}

DataFileContents ReadDataFile(QByteArray bytes, const ReadProgress& progress, ProgressPace pace) {
    DataFileContents out;
    const bool utf8 = LooksLikeUtf8(bytes.constData(), bytes.size());
    // The table takes the buffer as it is (a move keeps the same storage), and each data line
    // is remembered as a span of it: no copy of the text is made.
    out.rows.adoptBuffer(std::move(bytes), utf8);
    const QByteArray& buf = out.rows.buffer();
    const char* base = buf.constData();
    const qsizetype size = buf.size();
    out.rows.reserve(size / 64 + 1);
    int c = 1;  // the line counter of the Open command; 0 after the third header line
    bool headingSeen = false;
    qsizetype pos = 0;
    // The next CR and LF at or after pos, each found once as pos passes it (size: none).
    qsizetype nextCr = -1, nextLf = -1;
    auto find = [&](qsizetype& at, char ch) {
        if (at >= pos) return;
        const void* p = std::memchr(base + pos, ch, size_t(size - pos));
        at = p ? static_cast<const char*>(p) - base : size;
    };
    auto text = [&](qsizetype b, qsizetype e) { return DecodeFileText(base + b, e - b, utf8); };
    while (pos < size) {
        find(nextCr, '\r');
        find(nextLf, '\n');
        const qsizetype lineEnd = std::min(nextCr, nextLf);
        const qsizetype next =
            lineEnd +
            (lineEnd + 1 < size && base[lineEnd] == '\r' && base[lineEnd + 1] == '\n' ? 2 : 1);
        qsizetype end = lineEnd;
        if (end == pos) {
            pos = next;
            continue;
        }
        if (end - pos > kMaxLineBytes) {
            end = pos + kMaxLineBytes;
            ++out.cutLines;
        }
        const qsizetype len = end - pos;
        if (len >= 5 && base[pos] == '*' && base[pos + 4] == '*') {
            // Header text lines lead the file; a star line among the data lines is skipped
            // rather than taken for a header (which would turn the next line into a heading).
            if (headingSeen) {
                pos = next;
                continue;
            }
            const QString t = text(pos + 5, end);
            if (c == 1)
                out.name = t;
            else if (c == 2)
                out.sector = t;
            else if (c == 3) {
                out.company = t;
                c = 0;
            }
        } else if (c == 1 && !headingSeen) {
            headingSeen = true;
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
            out.rows.appendSpan(pos, end);
            if (progress && pace.due() && !progress(out.rows.rowCount())) {
                out.complete = false;
                break;
            }
        }
        ++c;
        if (c > 1000000) c = 4;  // only its first values matter; keep it from overflowing
        pos = next;
    }
    out.rows.squeeze();
    return out;
}

}  // namespace montira
