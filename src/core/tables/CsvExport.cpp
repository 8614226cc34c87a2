#include "core/tables/CsvExport.h"

#include <cstring>
#include <vector>

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

// Cells are written through a pointer into one preallocated chunk, which goes to the device
// whenever it holds 64 KB: the whole export never sits in memory, and no cell passes through
// a QString unless it is a non-ASCII text of a Windows-1252 table. Room is made once per line
// (or per cell of a QString table) for the most the line can become, so the cells themselves
// never check it.
class CsvWriter {
public:
    CsvWriter(QIODevice* out, const CsvStyle& style)
        : out_(out),
          buf_(kChunkBytes + kSlackBytes),
          o_(buf_.data()),
          sep_(style.decimalComma ? ';' : ','),
          comma_(style.decimalComma),
          iso_(!style.decimalComma) {}

    // The most a stored line of `bytes` bytes cut into `cols` fields can take once written:
    // every byte three in UTF-8 (a Windows-1252 letter) or two (a doubled quote), quotes and
    // an apostrophe around each field, the separators, the line end and the word that
    // field() stores whole.
    static size_t LineRoom(qsizetype bytes, int cols) {
        return 3 * size_t(bytes) + 4 * size_t(cols) + 2 + 8;  // 8: a field's word store
    }

    // Makes room for `n` more bytes: sends the chunk when they do not fit after it, and grows
    // it for a line longer than a chunk (or, without a device, for a cell).
    void reserve(size_t n) {
        if (size_t(buf_.data() + buf_.size() - o_) >= n) return;
        if (out_) send();
        const size_t used = size_t(o_ - buf_.data());
        if (buf_.size() - used < n) {
            buf_.resize(used + n + kSlackBytes);
            o_ = buf_.data() + used;
        }
    }

    // The field of a stored line that starts at `p` and ends at the next TAB or at `end`;
    // returns where it ends. A short field is looked at as one 8-byte word (`readable` says
    // how far the bytes may be read, the line's own end or beyond): a number of digits with
    // at most a leading minus and one inner point, the most common cell, is written with one
    // store; anything else goes to cell().
    const char* field(const char* p, const char* end, const char* readable, bool utf8, int col) {
        const qsizetype left = end - p;
        if (readable - p < 9) return slowField(p, end, utf8, col);
        uint64_t w;
        std::memcpy(&w, p, 8);
        const uint64_t tabs = ZeroBytes(w ^ Bytes(0x09));
        qsizetype n = tabs ? qsizetype(CountTrailingZeros(tabs) >> 3) : 8;
        if (n >= left) {
            n = left;
        } else if (n == 8 && p[8] != '\t') {
            return slowField(p, end, utf8, col);  // a field of more than 8 bytes
        }
        if (n > 0) {
            const uint64_t keep = n == 8 ? ~uint64_t(0) : (uint64_t(1) << (8 * n)) - 1;
            // Bytes that are not 0..9 once '0' is taken off.
            const uint64_t x = w ^ Bytes(0x30);
            const uint64_t others = ((x + Bytes(0x76)) | x) & Bytes(0x80) & keep;
            if (IsNumberWord(w, others, n)) {
                if (comma_) {
                    const uint64_t dots = ZeroBytes(w ^ Bytes('.')) & keep;
                    if (dots) {
                        const unsigned at = CountTrailingZeros(dots) & ~7u;
                        w = (w & ~(uint64_t(0xFF) << at)) | (uint64_t(',') << at);
                    }
                }
                std::memcpy(o_, &w, 8);  // the bytes past the field are written over later
                o_ += n;
                return p + n;
            }
            // A plain ASCII text (a time): nothing to guard, quote or turn round.
            const uint64_t special =
                (ZeroBytes(w ^ Bytes(uint8_t(sep_))) | ZeroBytes(w ^ Bytes('"')) |
                 ZeroBytes(w ^ Bytes('\n')) | ZeroBytes(w ^ Bytes('\r')) | (w & Bytes(0x80))) &
                keep;
            if (special == 0 && col != kDateColumn && !StartsLikeFormula(p, n)) {
                std::memcpy(o_, &w, 8);
                o_ += n;
                return p + n;
            }
        }
        cell(p, n, utf8, col);
        return p + n;
    }

    // A cell of a stored line (room made by the caller).
    void cell(const char* p, qsizetype n, bool utf8, int col) {
        if (n == 5 && std::memcmp(p, "- - -", 5) == 0) return;  // the empty cell
        if (IsPlainNumber(p, n)) {
            if (p[0] == '+') ++p, --n;
            if (comma_) {
                for (qsizetype i = 0; i < n; ++i) o_[i] = p[i] == '.' ? ',' : p[i];
            } else {
                std::memcpy(o_, p, size_t(n));
            }
            o_ += n;
            return;
        }
        if (col == kDateColumn && IsStoredDate(p, n)) {
            // Two-digit years from 80 on are of the 1900s.
            const char* century = p[0] >= '8' ? "19" : "20";
            char* o = o_;
            if (iso_) {
                o[0] = century[0], o[1] = century[1], o[2] = p[0], o[3] = p[1], o[4] = '-';
                o[5] = p[3], o[6] = p[4], o[7] = '-', o[8] = p[6], o[9] = p[7];
            } else {
                o[0] = p[6], o[1] = p[7], o[2] = '/', o[3] = p[3], o[4] = p[4], o[5] = '/';
                o[6] = century[0], o[7] = century[1], o[8] = p[0], o[9] = p[1];
            }
            o_ += 10;
            return;
        }
        if (!utf8 && !IsAscii(p, n)) {
            const QByteArray u = FromCp1252(p, n).toUtf8();
            text(u.constData(), u.size());
            return;
        }
        text(p, n);
    }
    // A cell of a table of QStrings (room made here).
    void cell(const QString& t, int col) {
        const QByteArray u = t.toUtf8();
        reserve(LineRoom(u.size(), 1));
        cell(u.constData(), u.size(), true, col);
    }
    // The separator and the line end of a table of QStrings make their own room.
    void separator() {
        reserve(1);
        put(sep_);
    }
    void endLine() {
        reserve(2);
        putLineEnd();
    }
    void raw(const char* s) {
        const size_t n = std::strlen(s);
        reserve(n);
        std::memcpy(o_, s, n);
        o_ += n;
    }
    // Within the room of a line.
    void put(char c) { *o_++ = c; }
    char sep() const { return sep_; }
    void putLineEnd() {
        o_[0] = '\r', o_[1] = '\n';
        o_ += 2;
    }

    // Sends the chunk once it holds 64 KB (or always, when `all`); false when the device
    // failed, now or before.
    bool flush(bool all = false) {
        if (all || o_ - buf_.data() >= qsizetype(kChunkBytes)) send();
        return !failed_;
    }
    QByteArray pending() const { return QByteArray(buf_.data(), o_ - buf_.data()); }

private:
    static constexpr size_t kSlackBytes = 1 << 14;

    static constexpr uint64_t Bytes(uint8_t b) { return 0x0101010101010101ull * b; }
    // The high bit of the lowest zero byte of `v` (bytes above it may be marked too).
    static uint64_t ZeroBytes(uint64_t v) { return (v - Bytes(1)) & ~v & Bytes(0x80); }
    static unsigned CountTrailingZeros(uint64_t v) { return unsigned(__builtin_ctzll(v)); }
    // `others` marks the bytes among the first `n` of `w` that are not digits: none, or a
    // minus first, or a point between digits, or both.
    static bool IsNumberWord(uint64_t w, uint64_t others, qsizetype n) {
        if (others == 0) return true;
        const auto byteAt = [w](unsigned bit) { return char((w >> (bit & ~7u)) & 0xFF); };
        const unsigned first = CountTrailingZeros(others);
        uint64_t rest = others & (others - 1);
        qsizetype digitsFrom = 0;
        if (first < 8) {  // byte 0
            if (byteAt(first) != '-') return false;
            digitsFrom = 1;
            if (rest == 0) return n > 1;
            const unsigned dot = CountTrailingZeros(rest);
            rest &= rest - 1;
            return rest == 0 && byteAt(dot) == '.' && qsizetype(dot >> 3) > digitsFrom &&
                   qsizetype(dot >> 3) < n - 1;
        }
        return rest == 0 && byteAt(first) == '.' && qsizetype(first >> 3) < n - 1;
    }

    // A field read byte by byte: near the end of the readable bytes, or longer than a word.
    const char* slowField(const char* p, const char* end, bool utf8, int col) {
        const void* tab = std::memchr(p, '\t', size_t(end - p));
        const char* stop = tab ? static_cast<const char*>(tab) : end;
        cell(p, stop - p, utf8, col);
        return stop;
    }

    void send() {
        const qint64 n = o_ - buf_.data();
        if (n > 0 && !failed_ && out_->write(buf_.data(), n) != n) failed_ = true;
        o_ = buf_.data();
    }

    // A text in UTF-8: an apostrophe ahead of what a spreadsheet would run as a formula,
    // quotes where it holds the separator, a quote or a line break.
    void text(const char* p, qsizetype n) {
        bool quote = false;
        for (qsizetype i = 0; i < n && !quote; ++i)
            quote = p[i] == sep_ || p[i] == '"' || p[i] == '\n' || p[i] == '\r';
        char* o = o_;
        if (quote) *o++ = '"';
        if (StartsLikeFormula(p, n)) *o++ = '\'';
        if (!quote) {
            std::memcpy(o, p, size_t(n));
            o_ = o + n;
            return;
        }
        for (qsizetype i = 0; i < n; ++i) {
            if (p[i] == '"') *o++ = '"';
            *o++ = p[i];
        }
        *o++ = '"';
        o_ = o;
    }

    QIODevice* out_;
    std::vector<char> buf_;
    char* o_;
    char sep_;
    bool comma_, iso_;
    bool failed_ = false;
};

// Rows between two progress calls: often enough for a window to stay responsive (a few
// hundred microseconds apart), rarely enough not to cost.
constexpr int kProgressEvery = 256;

bool ProgressDue(int r) {
    return r % kProgressEvery == 0;
}

// The records of a table kept as stored lines: each line is cut at its TABs in place.
bool WriteStoredRecords(CsvWriter& w, const TextTable& t, int cols, const RowProgress& progress,
                        int rows) {
    const bool utf8 = t.utf8();
    const char sep = w.sep();
    const char* const readable = t.buffer().constData() + t.buffer().size();
    for (int r = 1; r < rows; ++r) {
        if (progress && ProgressDue(r) && !progress(r, rows)) return false;
        const QByteArrayView line = t.line(r - 1);
        w.reserve(CsvWriter::LineRoom(line.size(), cols));
        const char* p = line.data();
        const char* const end = p + line.size();
        for (int c = 0; c < cols; ++c) {
            if (c > 0) w.put(sep);
            if (!p) continue;  // the line had fewer fields
            const char* stop = w.field(p, end, readable, utf8, c);
            p = stop < end ? stop + 1 : nullptr;
        }
        w.putLineEnd();
        if (!w.flush()) return false;
    }
    return true;
}

}  // namespace

QString CsvCell(const QString& text, int col, const CsvStyle& style) {
    CsvWriter w(nullptr, style);
    w.cell(text, col);
    return QString::fromUtf8(w.pending());
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
        if (progress && ProgressDue(r) && !progress(r, rows)) return false;
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
