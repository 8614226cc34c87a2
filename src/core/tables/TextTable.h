#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <vector>

namespace montira {

// Rows of twelve text fields kept compactly: every row is one line of bytes in a shared
// arena (fields separated by TAB, as in a data file), decoded only when a cell is shown.
// 320,000 records cost about the size of their file plus 8 bytes a row.
class TextTable {
public:
    static constexpr int kColumns = 12;

    int rowCount() const { return int(starts_.size()); }
    // Field `col` of row `row`: the text between the col-th and (col+1)-th TAB; empty when
    // the line has fewer fields. Very long fields are cut to `maxChars` for display.
    QString field(int row, int col, int maxChars = -1) const;
    QStringList rowFields(int row) const;
    // The stored bytes of a row, fields separated by TAB; empty for a row out of range.
    QByteArrayView line(int row) const {
        if (row < 0 || row >= rowCount()) return {};
        return QByteArrayView(arena_.constData() + starts_[size_t(row)],
                              ends_[size_t(row)] - starts_[size_t(row)]);
    }

    void appendRow(const QStringList& fields);  // stored as Windows-1252
    // Takes a whole buffer (a file's bytes) and remembers where each line starts; the
    // lines [begin, end) of each row are given by the caller.
    void adoptBuffer(QByteArray buffer, bool utf8);
    void appendSpan(qsizetype begin, qsizetype end);  // a line inside the adopted buffer
    void clear();
    void reserve(qsizetype rows) {
        starts_.reserve(size_t(rows));
        ends_.reserve(size_t(rows));
    }
    qsizetype bytes() const { return arena_.size(); }
    // The arena holds UTF-8 (an adopted UTF-8 file), else Windows-1252.
    bool utf8() const { return utf8_; }
    // The adopted buffer (the spans given to appendSpan index into it).
    const QByteArray& buffer() const { return arena_; }
    // Gives back the room that reserve() took beyond the rows stored.
    void squeeze() {
        starts_.shrink_to_fit();
        ends_.shrink_to_fit();
    }

private:
    QByteArray arena_;
    bool utf8_ = false;
    std::vector<qint64> starts_;
    std::vector<qint64> ends_;
};

}  // namespace montira
