#include "core/tables/TextTable.h"

#include <cstring>

#include "core/tables/Cp1252.h"

namespace montira {

QString TextTable::field(int row, int col, int maxChars) const {
    if (row < 0 || row >= rowCount() || col < 0) return QString();
    const char* p = arena_.constData() + starts_[size_t(row)];
    const char* end = arena_.constData() + ends_[size_t(row)];
    for (int k = 0; k < col; ++k) {
        const void* tab = std::memchr(p, '\t', size_t(end - p));
        if (!tab) return QString();
        p = static_cast<const char*>(tab) + 1;
    }
    const void* tab = std::memchr(p, '\t', size_t(end - p));
    const char* stop = tab ? static_cast<const char*>(tab) : end;
    qsizetype n = stop - p;
    if (maxChars >= 0 && n > maxChars) n = maxChars;
    return DecodeFileText(p, n, utf8_);
}

QStringList TextTable::rowFields(int row) const {
    QStringList out;
    for (int c = 0; c < kColumns; ++c) out << field(row, c);
    return out;
}

void TextTable::appendRow(const QStringList& fields) {
    if (utf8_) {  // an adopted UTF-8 buffer: keep one encoding in the arena
        starts_.push_back(arena_.size());
        for (const QString& f : fields) arena_ += f.toUtf8() + '\t';
    } else {
        starts_.push_back(arena_.size());
        for (const QString& f : fields) arena_ += ToCp1252(f) + '\t';
    }
    ends_.push_back(arena_.size());
}

void TextTable::adoptBuffer(QByteArray buffer, bool utf8) {
    clear();
    arena_ = std::move(buffer);
    utf8_ = utf8;
}

void TextTable::appendSpan(qsizetype begin, qsizetype end) {
    starts_.push_back(begin);
    ends_.push_back(end);
}

void TextTable::clear() {
    arena_.clear();
    starts_.clear();
    ends_.clear();
    utf8_ = false;
}

}  // namespace montira
