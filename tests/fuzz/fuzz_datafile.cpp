// Fuzz target for the data file reader: any bytes must give rows without crashing, hanging
// or reading outside the buffer, and every cell must be reachable.
#include <cstdint>
#include <cstdlib>

#include "core/record/DataFile.h"
#include "core/tables/DataFileCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const montira::DataFileContents d = montira::ReadDataFile(bytes);
    montira::IsDataFileHeading(d.heading);
    if (!d.heading.isEmpty() && d.heading.size() != montira::TextTable::kColumns) std::abort();
    if (d.rows.rowCount() > qsizetype(size) + 1) std::abort();  // at most one row per line
    qsizetype chars = 0;
    for (int r = 0; r < d.rows.rowCount(); ++r) {
        const QStringList f = d.rows.rowFields(r);
        if (f.size() != montira::TextTable::kColumns) std::abort();
        for (const QString& s : f) chars += s.size();
        chars += d.rows.field(r, 13).size() + d.rows.field(r, -1).size();  // out of range: empty
    }
    if (chars > qsizetype(size)) std::abort();  // no cell invents text
    // Abandoning part-way keeps what was read.
    int calls = 0;
    const montira::DataFileContents part =
        montira::ReadDataFile(bytes, [&](qsizetype) { return ++calls < 2; });
    if (part.rows.rowCount() > d.rows.rowCount()) std::abort();
    return 0;
}
