#include "core/tables/CsvExport.h"

#include <cstring>
#include <string>

#include "core/tables/Cp1252.h"

namespace montira {

namespace {

constexpr int kDateColumn = 1;
constexpr int kNoColumn = -1;  // heading and text rows: no date is turned there
constexpr size_t kChunkBytes = 1 << 16;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// "-12.5", "3", "0.25", "+7": what the value texts hold when they are numbers.
bool IsPlainNumber(const char* p, qsizetype n) {
    qsizetype i = 0;
    if (i < n && (p[i] == '-' || p[i] == '+')) ++i;
    const qsizetype digitsStart = i;
    while (i < n && IsDigit(p[i])) ++i;
    if (i == digitsStart) return false;
    if (i < n && p[i] == '.') {
        const qsizetype fracStart = ++i;
        while (i < n && IsDigit(p[i])) ++i;
        if (i == fracStart) return false;
    }
    return i == n;
}

bool IsStoredDate(const char* p, qsizetype n) {
    if (n != 8 || p[2] != '/' || p[5] != '/') return false;
    for (int i : {0, 1, 3, 4, 6, 7})
        if (!IsDigit(p[i])) return false;
    return true;
}

// A spreadsheet takes a text that starts with one of these for a formula (or, for TAB and CR,
// strips them and looks again).
bool StartsLikeFormula(const char* p, qsizetype n) {
    if (n == 0) return false;
    switch (p[0]) {
        case '=':
        case '+':
        case '-':
        case '@':
        case '\t':
        case '\r':
            return true;
        default:
            return false;
    }
}

bool IsAscii(const char* p, qsizetype n) {
    for (qsizetype i = 0; i < n; ++i)
        if (uint8_t(p[i]) >= 0x80) return false;
    return true;
}

// Cells are appended to one growing chunk, which goes to the device whenever it holds 64 KB:
// the whole export never sits in memory, and no cell passes through a QString unless it
// is a non-ASCII text of a Windows-1252 table.
class CsvWriter {
public:
    CsvWriter(QIODevice* out, const CsvStyle& style)
        : out_(out),
          sep_(style.decimalComma ? ';' : ','),
          comma_(style.decimalComma),
          iso_(!style.decimalComma) {
        buf_.reserve(kChunkBytes + 8192);
    }

    void cell(const char* p, qsizetype n, bool utf8, int col) {
        if (n == 5 && std::memcmp(p, "- - -", 5) == 0) return;  // the empty cell
        if (IsPlainNumber(p, n)) {
            if (p[0] == '+') ++p, --n;
            const size_t at = buf_.size();
            buf_.append(p, size_t(n));
            if (comma_)
                for (size_t i = at; i < buf_.size(); ++i)
                    if (buf_[i] == '.') buf_[i] = ',';
            return;
        }
        if (col == kDateColumn && IsStoredDate(p, n)) {
            // Two-digit years from 80 on are of the 1900s.
            const char* century = p[0] >= '8' ? "19" : "20";
            if (iso_) {
                buf_.append(century, 2).append(p, 2).append(1, '-');
                buf_.append(p + 3, 2).append(1, '-').append(p + 6, 2);
            } else {
                buf_.append(p + 6, 2).append(1, '/').append(p + 3, 2).append(1, '/');
                buf_.append(century, 2).append(p, 2);
            }
            return;
        }
        if (!utf8 && !IsAscii(p, n)) {
            const QByteArray u = FromCp1252(p, n).toUtf8();
            text(u.constData(), u.size());
            return;
        }
        text(p, n);
    }
    void cell(const QString& t, int col) {
        const QByteArray u = t.toUtf8();
        cell(u.constData(), u.size(), true, col);
    }
    void separator() { buf_ += sep_; }
    void endLine() { buf_.append("\r\n", 2); }
    void raw(const char* s) { buf_.append(s); }

    // Sends the chunk once it is full (or always, when `all`); false when the device failed.
    bool flush(bool all = false) {
        if (!all && buf_.size() < kChunkBytes) return true;
        if (!buf_.empty() && out_->write(buf_.data(), qint64(buf_.size())) != qint64(buf_.size()))
            return false;
        buf_.clear();
        return true;
    }
    const std::string& pending() const { return buf_; }

private:
    // A text in UTF-8: an apostrophe ahead of what a spreadsheet would run as a formula,
    // quotes where it holds the separator, a quote or a line break.
    void text(const char* p, qsizetype n) {
        bool quote = false;
        for (qsizetype i = 0; i < n && !quote; ++i)
            quote = p[i] == sep_ || p[i] == '"' || p[i] == '\n' || p[i] == '\r';
        if (quote) buf_ += '"';
        if (StartsLikeFormula(p, n)) buf_ += '\'';
        if (!quote) {
            buf_.append(p, size_t(n));
            return;
        }
        for (qsizetype i = 0; i < n; ++i) {
            if (p[i] == '"') buf_ += '"';
            buf_ += p[i];
        }
        buf_ += '"';
    }

    QIODevice* out_;
    std::string buf_;
    char sep_;
    bool comma_, iso_;
};

// The records of a table kept as stored lines: each line is cut at its TABs in place.
bool WriteStoredRecords(CsvWriter& w, const TextTable& t, int cols, const RowProgress& progress,
                        int rows) {
    const bool utf8 = t.utf8();
    for (int r = 1; r < rows; ++r) {
        if (progress && !progress(r, rows)) return false;
        const QByteArrayView line = t.line(r - 1);
        const char* p = line.data();
        const char* const end = p + line.size();
        for (int c = 0; c < cols; ++c) {
            if (c > 0) w.separator();
            if (!p) continue;  // the line had fewer fields
            const void* tab = std::memchr(p, '\t', size_t(end - p));
            const char* stop = tab ? static_cast<const char*>(tab) : end;
            w.cell(p, stop - p, utf8, c);
            p = tab ? stop + 1 : nullptr;
        }
        w.endLine();
        if (!w.flush()) return false;
    }
    return true;
}

}  // namespace

QString CsvCell(const QString& text, int col, const CsvStyle& style) {
    CsvWriter w(nullptr, style);
    w.cell(text, col);
    return QString::fromStdString(w.pending());
}

bool WriteCsv(QIODevice& out, const GridSource& grid, const HeaderTexts& header,
              const CsvStyle& style, const RowProgress& progress) {
    CsvWriter w(&out, style);
    w.raw("\xEF\xBB\xBF");
    if (HasHeaderTexts(header)) {
        const QString rows[3][2] = {{QStringLiteral("Nome:"), header.name},
                                    {QStringLiteral("Setor:"), header.sector},
                                    {QStringLiteral("Empresa:"), header.company}};
        for (const auto& row : rows) {
            w.cell(row[0], kNoColumn);
            w.separator();
            w.cell(row[1], kNoColumn);
            w.endLine();
        }
    }
    const int rows = grid.rowCount();
    const int cols = grid.columnCount();
    if (rows == 0) return w.flush(true);
    if (progress && !progress(0, rows)) return false;
    for (int c = 0; c < cols; ++c) {
        if (c > 0) w.separator();
        w.cell(grid.cell(0, c), kNoColumn);
    }
    w.endLine();
    if (const TextTable* stored = grid.records()) {
        if (!WriteStoredRecords(w, *stored, cols, progress, rows)) return false;
        return w.flush(true);
    }
    for (int r = 1; r < rows; ++r) {
        if (progress && !progress(r, rows)) return false;
        for (int c = 0; c < cols; ++c) {
            if (c > 0) w.separator();
            w.cell(grid.cell(r, c), c);
        }
        w.endLine();
        if (!w.flush()) return false;
    }
    return w.flush(true);
}

SaveOutcome ExportCsv(const QString& path, const GridSource& grid, const HeaderTexts& header,
                      const CsvStyle& style, const RowProgress& progress, QString* error) {
    return SaveFileSafely(
        path, [&](QIODevice& out) { return WriteCsv(out, grid, header, style, progress); }, error);
}

}  // namespace montira
