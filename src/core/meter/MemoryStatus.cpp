#include "core/meter/MemoryStatus.h"

#include <algorithm>

namespace montira {

std::optional<MemoryStatus> ParseMemoryStatus(const QByteArray& reply) {
    if (reply.size() != 7 || uint8_t(reply[0]) != 2 || uint8_t(reply[6]) != 3) return {};
    const auto b = [&](int i) { return int(uint8_t(reply[i])); };
    MemoryStatus s;
    s.MemoryUsed = b(1) * 65536 + b(2) * 256 + b(3);
    s.MemorySetCount = b(4) * 256 + b(5);
    return s;
}

double MemoryFillPercent(int memoryUsed) {
    if (memoryUsed >= kLoggerFullThreshold) return 100.0;
    return std::max(0, memoryUsed) * 100.0 / kLoggerFullBytes;
}

qint64 ProgressHundredths(qint64 received, qint64 expected) {
    if (expected <= 0) return 10000;
    received = std::clamp<qint64>(received, 0, expected);
    return received * 10000 / expected;
}

QString ProgressCaption(qint64 received, qint64 expected) {
    const qint64 h = ProgressHundredths(received, expected);
    return QStringLiteral(" %1.%2 % completas").arg(h / 100).arg(h % 100, 2, 10, QLatin1Char('0'));
}

}  // namespace montira
