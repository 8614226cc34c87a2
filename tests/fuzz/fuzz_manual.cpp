// Fuzz target for the manual-record dump: the first byte is N of the "S" reply, the rest the
// "T" reply (possibly short). Only complete records become rows, each of twelve fields, and
// the rows are numbered 1..rows.
#include <cstdint>
#include <cstdlib>

#include "core/memory/ManualDownload.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace montira;
    if (size < 1) return 0;
    ManualDump dump;
    dump.count = data[0];
    dump.bytes = QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    ProbeCalibration cal;
    cal.R0 = 1000;
    cal.G = 1;
    cal.P0 = 10, cal.P2 = 200, cal.P5 = 500, cal.P10 = 1000, cal.P15 = 1500, cal.P20 = 2000;
    cal.P25 = 2500;
    TextTable c, f;
    const int rows = DecodeManualRows(dump, cal, c, f);
    if (rows > dump.count || qsizetype(rows) * 20 > dump.bytes.size()) std::abort();
    if (c.rowCount() != rows || f.rowCount() != rows) std::abort();
    for (int r = 0; r < rows; ++r) {
        if (c.rowFields(r).size() != 12 || f.rowFields(r).size() != 12) std::abort();
        if (c.field(r, 0) != QString::number(r + 1)) std::abort();
    }
    return 0;
}
