#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

namespace montira {

// The meter always counts 2048 bytes of its logger as used; only what lies beyond is data.
constexpr int kLoggerReservedBytes = 2048;
// For the usage panel the logger is full at 126207 bytes, and shown as 100 % from 126072 on.
constexpr int kLoggerFullBytes = 126207;
constexpr int kLoggerFullThreshold = 126072;

// Reply to "c": STX, bytes in use (3 bytes, high first), number of sets (2 bytes), ETX.
struct MemoryStatus {
    int MemoryUsed = 0;
    int MemorySetCount = 0;
    // Length of the dump that "C" returns; 0 or less means nothing is stored.
    int expected() const { return MemoryUsed - kLoggerReservedBytes; }
};

// The reply counts only when it is exactly 7 bytes with 2 first and 3 last.
std::optional<MemoryStatus> ParseMemoryStatus(const QByteArray& reply);

// Fill percentage of the usage panel.
double MemoryFillPercent(int memoryUsed);

// Download progress in hundredths of a percent, received bytes capped at `expected`.
qint64 ProgressHundredths(qint64 received, qint64 expected);
// Caption while bytes arrive: a space, the percentage with two decimals (cut, not rounded)
// and " % completas", e.g. " 5.50 % completas".
QString ProgressCaption(qint64 received, qint64 expected);

}  // namespace montira
