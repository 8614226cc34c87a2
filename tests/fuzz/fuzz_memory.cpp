// Fuzz target for the logger dump: the first two bytes are the set count of the status
// reply, the rest is the dump. Splits it and decodes every set it yields, checking that
// nothing is read past the dump and that every row has its twelve fields.
#include <cstdint>
#include <cstdlib>

#include "core/memory/SetDecoder.h"
#include "core/meter/AirSpeed.h"
#include "core/meter/LoggerSets.h"
#include "core/meter/MemoryStatus.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace montira;
    if (size < 2) return 0;
    const int count = data[0] * 256 + data[1];
    const QByteArray dump(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2));
    ParseMemoryStatus(dump.left(7));

    const std::vector<LoggerSet> sets = SplitSets(dump, count);
    if (int(sets.size()) > count) std::abort();
    qsizetype total = 0;
    ProbeCalibration cal;
    cal.R0 = 1000;
    cal.G = 1;
    cal.P0 = 10, cal.P2 = 200, cal.P5 = 500, cal.P10 = 1000, cal.P15 = 1500, cal.P20 = 2000;
    cal.P25 = 2500;
    for (const LoggerSet& s : sets) {
        total += s.SetBlock.size();
        if (s.recordsPresent() > s.SetRecords) std::abort();
        // Whole sets when small; otherwise the first and the last record (the bounds).
        Reading r;
        if (s.recordsPresent() <= 16) {
            TextTable c, f;
            const int n = DecodeSetRows(s, cal, r, c, f);
            if (n != s.recordsPresent() || c.rowCount() != n || f.rowCount() != n) std::abort();
            for (int i = 0; i < n; ++i)
                if (c.rowFields(i).size() != 12 || f.rowFields(i).size() != 12) std::abort();
        } else {
            const SetDecoder d(s, cal);
            QStringList c, f;
            for (int j : {1, d.count()}) {
                d.decode(j, r, c, f);
                if (c.size() != 12 || f.size() != 12) std::abort();
            }
        }
    }
    if (total > dump.size()) std::abort();
    return 0;
}
