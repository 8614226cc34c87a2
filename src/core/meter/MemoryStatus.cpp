#include "core/meter/MemoryStatus.h"

#include <QCoreApplication>
#include <algorithm>

#include "core/meter/Protocol.h"

namespace montira {

std::optional<MemoryStatus> ParseMemoryStatus(const QByteArray& reply) {
    if (reply.size() != status::kLength || uint8_t(reply[status::kStx]) != status::kStxByte ||
        uint8_t(reply[status::kEtx]) != status::kEtxByte)
        return {};
    const auto b = [&](int i) { return int(uint8_t(reply[i])); };
    MemoryStatus s;
    s.MemoryUsed = b(status::kUsed) * 65536 + b(status::kUsed + 1) * 256 + b(status::kUsed + 2);
    s.MemorySetCount = b(status::kSetCount) * 256 + b(status::kSetCount + 1);
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
    return QCoreApplication::translate("montira", " %1.%2 % completas")
        .arg(h / 100)
        .arg(h % 100, 2, 10, QLatin1Char('0'));
}

}  // namespace montira
