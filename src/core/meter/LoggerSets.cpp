#include "core/meter/LoggerSets.h"

#include <algorithm>

namespace montira {

int LoggerSet::recordsPresent() const {
    const qsizetype body = SetBlock.size() - kSetHeaderBytes;
    if (body <= 0) return 0;
    return int(std::min<qsizetype>(SetRecords, body / kSetRecordBytes));
}

const LoggerSet* LoggerMemory::set(int number) const {
    if (number < 1 || size_t(number) > sets.size()) return nullptr;
    return &sets[size_t(number - 1)];
}

std::vector<LoggerSet> SplitSets(const QByteArray& dump, int setCount) {
    std::vector<LoggerSet> out;
    const int count = std::clamp(setCount, 0, kMaxSets);
    const auto byte = [&](qsizetype i) { return int(uint8_t(dump[i])); };
    qsizetype q = 0;
    for (int i = 1; i <= count; ++i) {
        if (dump.size() - q < kSetHeaderBytes) break;  // no complete header left
        LoggerSet s;
        s.intervalMinutes = byte(q + logset::kIntervalMinutes);
        s.intervalSeconds = byte(q + logset::kIntervalSeconds);
        s.SetInterval = s.intervalMinutes * 60 + s.intervalSeconds;
        s.SetRecords = byte(q + logset::kRecords) * 256 + byte(q + logset::kRecords + 1);
        const qsizetype want = kSetHeaderBytes + qsizetype(s.SetRecords) * kSetRecordBytes;
        s.SetBlock = dump.mid(q, std::min(want, dump.size() - q));
        q += s.SetBlock.size();
        out.push_back(std::move(s));
    }
    return out;
}

QString IntervalText(int minutes, int seconds) {
    return QStringLiteral("%1:%2")
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(seconds, 2, 10, QLatin1Char('0'));
}

QStringList SetListRow(int number, const LoggerSet& set) {
    return {QString::number(number), IntervalText(set.intervalMinutes, set.intervalSeconds),
            QString::number(set.SetRecords)};
}

}  // namespace montira
