#include "core/tables/Cp1252.h"

namespace montira {

namespace {

// 0x80..0x9F of Windows-1252 (0 where the code page leaves the byte undefined).
constexpr char16_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

QByteArray ToCp1252(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out += char(c);
            continue;
        }
        char b = '?';
        for (int i = 0; i < 32; ++i) {
            if (kHigh[i] && kHigh[i] == c) {
                b = char(0x80 + i);
                break;
            }
        }
        out += b;
    }
    return out;
}

QString FromCp1252(const char* data, qsizetype size) {
    QString s(size, Qt::Uninitialized);
    QChar* d = s.data();
    for (qsizetype i = 0; i < size; ++i) {
        const uint8_t b = uint8_t(data[i]);
        if (b >= 0x80 && b < 0xA0 && kHigh[b - 0x80])
            d[i] = QChar(kHigh[b - 0x80]);
        else
            d[i] = QChar(b);
    }
    return s;
}

QString FromCp1252(const QByteArray& bytes) {
    return FromCp1252(bytes.constData(), bytes.size());
}

bool LooksLikeUtf8(const char* data, qsizetype size) {
    bool multi = false;
    qsizetype i = 0;
    while (i < size) {
        const uint8_t b = uint8_t(data[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        int len = (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 0;
        if (len == 0 || b == 0xC0 || b == 0xC1 || i + len > size) return false;
        for (int k = 1; k < len; ++k)
            if ((uint8_t(data[i + k]) & 0xC0) != 0x80) return false;
        multi = true;
        i += len;
    }
    return multi;
}

QString DecodeFileText(const char* data, qsizetype size, bool utf8) {
    return utf8 ? QString::fromUtf8(data, size) : FromCp1252(data, size);
}

}  // namespace montira
