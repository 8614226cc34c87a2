#include "core/tables/CsvExport.h"

namespace montira {

namespace {

constexpr int kDateColumn = 1;

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// "-12.5", "3", "0.25": what the value texts hold when they are numbers.
bool IsPlainNumber(const QString& t) {
    qsizetype i = 0;
    if (i < t.size() && t[i] == u'-') ++i;
    const qsizetype digitsStart = i;
    while (i < t.size() && IsDigit(t[i])) ++i;
    if (i == digitsStart) return false;
    if (i < t.size() && t[i] == u'.') {
        const qsizetype fracStart = ++i;
        while (i < t.size() && IsDigit(t[i])) ++i;
        if (i == fracStart) return false;
    }
    return i == t.size();
}

// "YY/MM/DD" -> "DD/MM/YYYY"; two-digit years from 80 on are of the 1900s.
QString TurnDate(const QString& t) {
    if (t.size() != 8 || t[2] != u'/' || t[5] != u'/') return t;
    for (int i : {0, 1, 3, 4, 6, 7})
        if (!IsDigit(t[i])) return t;
    const int yy = t.left(2).toInt();
    const QString century = yy >= 80 ? QStringLiteral("19") : QStringLiteral("20");
    return t.mid(6, 2) + u'/' + t.mid(3, 2) + u'/' + century + t.left(2);
}

QChar Separator(const CsvStyle& s) {
    return s.decimalComma ? u';' : u',';
}

QString Quoted(const QString& t, const CsvStyle& s) {
    const bool needs =
        t.contains(Separator(s)) || t.contains(u'"') || t.contains(u'\n') || t.contains(u'\r');
    if (!needs) return t;
    QString q = t;
    q.replace(u'"', QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

// Typed texts that a spreadsheet would take for a formula are kept as text.
QString TypedText(const QString& t, const CsvStyle& s) {
    const bool formula =
        !t.isEmpty() && (t[0] == u'=' || t[0] == u'+' || t[0] == u'-' || t[0] == u'@');
    return Quoted(formula ? u'\'' + t : t, s);
}

}  // namespace

QString CsvCell(const QString& text, int col, const CsvStyle& style) {
    if (text == QStringLiteral("- - -")) return QString();
    if (IsPlainNumber(text)) {
        QString n = text;
        if (style.decimalComma) n.replace(u'.', u',');
        return n;
    }
    if (col == kDateColumn) return Quoted(TurnDate(text), style);
    return Quoted(text, style);
}

bool WriteCsv(QIODevice& out, const GridSource& grid, const HeaderTexts& header,
              const CsvStyle& style, const RowProgress& progress) {
    QByteArray chunk("\xEF\xBB\xBF");
    const QChar sep = Separator(style);
    if (HasHeaderTexts(header)) {
        const QString rows[3][2] = {{QStringLiteral("Nome:"), header.name},
                                    {QStringLiteral("Setor:"), header.sector},
                                    {QStringLiteral("Empresa:"), header.company}};
        for (const auto& row : rows)
            chunk += (row[0] + sep + TypedText(row[1], style)).toUtf8() + "\r\n";
    }
    const int rows = grid.rowCount();
    const int cols = grid.columnCount();
    QString line;
    for (int r = 0; r < rows; ++r) {
        if (progress && !progress(r, rows)) return false;
        line.clear();
        for (int c = 0; c < cols; ++c) {
            if (c > 0) line += sep;
            line += r == 0 ? Quoted(grid.cell(r, c), style) : CsvCell(grid.cell(r, c), c, style);
        }
        chunk += line.toUtf8();
        chunk += "\r\n";
        if (chunk.size() >= (1 << 16)) {
            if (out.write(chunk) != chunk.size()) return false;
            chunk.clear();
        }
    }
    return out.write(chunk) == chunk.size();
}

SaveOutcome ExportCsv(const QString& path, const GridSource& grid, const HeaderTexts& header,
                      const CsvStyle& style, const RowProgress& progress, QString* error) {
    return SaveFileSafely(
        path, [&](QIODevice& out) { return WriteCsv(out, grid, header, style, progress); }, error);
}

}  // namespace montira
