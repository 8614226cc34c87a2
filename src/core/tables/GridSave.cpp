#include "core/tables/GridSave.h"

#include "core/tables/Cp1252.h"

namespace montira {

bool WriteGrid(QIODevice& out, const GridSource& grid, const HeaderTexts& header,
               const RowProgress& progress) {
    QByteArray chunk;
    if (HasHeaderTexts(header)) chunk = EncodeHeaderLines(header);
    const int rows = grid.rowCount();
    const int cols = grid.columnCount();
    for (int r = 0; r < rows; ++r) {
        if (progress && !progress(r, rows)) return false;
        for (int c = 0; c < cols; ++c) {
            chunk += ToCp1252(grid.cell(r, c));
            chunk += '\t';
        }
        chunk += "\r\n";
        if (chunk.size() >= (1 << 16)) {
            if (out.write(chunk) != chunk.size()) return false;
            chunk.clear();
        }
    }
    return out.write(chunk) == chunk.size();
}

SaveOutcome SaveGridToFile(const QString& path, const GridSource& grid, const HeaderTexts& header,
                           const RowProgress& progress, QString* error) {
    return SaveFileSafely(
        path, [&](QIODevice& out) { return WriteGrid(out, grid, header, progress); }, error);
}

}  // namespace montira
