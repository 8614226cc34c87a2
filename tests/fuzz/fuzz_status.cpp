// Fuzz target for the "c" reply and the download progress it drives: only a 7-byte reply
// framed by 2 and 3 counts; the fill percentage and the progress caption stay in range for
// any counts the meter claims.
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "core/meter/MemoryStatus.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace montira;
    const QByteArray reply(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto s = ParseMemoryStatus(reply);
    const bool framed = size == 7 && data[0] == 2 && data[6] == 3;
    if (s.has_value() != framed) std::abort();
    if (!s) return 0;
    if (s->MemoryUsed != data[1] * 65536 + data[2] * 256 + data[3]) std::abort();
    if (s->MemorySetCount != data[4] * 256 + data[5]) std::abort();
    const double fill = MemoryFillPercent(s->MemoryUsed);
    if (!std::isfinite(fill) || fill < 0 || fill > 100) std::abort();
    for (qint64 received : {qint64(0), qint64(1), qint64(s->expected()), qint64(1) << 40}) {
        const qint64 h = ProgressHundredths(received, s->expected());
        if (h < 0 || h > 10000) std::abort();
        if (!ProgressCaption(received, s->expected()).endsWith(QStringLiteral(" % completas")))
            std::abort();
    }
    return 0;
}
