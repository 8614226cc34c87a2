#pragma once
#include <QByteArray>
#include <QStringList>
#include <vector>

#include "core/meter/Protocol.h"

namespace montira {

// Layout of the logger dump: the sets back to back, each a 16-byte header
//   1 year (two digits)  2 month  3 day  4 hour  5 minute  6 second
//   7 interval minutes   8 interval seconds   9-10 record count (hi, lo)
//   11-12 speed offset term A   13-14 term B   15-16 speed zero ×100
// followed by its 8-byte records (globe, dry, wet raw; air-speed count; each hi, lo).
constexpr int kSetHeaderBytes = logset::kHeaderBytes;
constexpr int kSetRecordBytes = logset::kRecordBytes;
// Set numbers run from 1 to 65535; a dump that claims more is split up to that.
constexpr int kMaxSets = 65535;

struct LoggerSet {
    QByteArray SetBlock;  // header and records; shorter than claimed at the end of a cut dump
    int SetInterval = 0;  // seconds between records
    int SetRecords = 0;   // record count as the header gives it
    int intervalMinutes = 0, intervalSeconds = 0;

    // Complete records actually present in the block (never more than SetRecords).
    int recordsPresent() const;
};

// What one "Memory" download leaves behind; decoding a set only reads it.
struct LoggerMemory {
    QByteArray MemoryDump;
    int MemoryUsed = 0;
    int MemorySetCount = 0;
    std::vector<LoggerSet> sets;  // sets[0] is set 1

    // Set `number` (1-based), or nullptr when there is no such set.
    const LoggerSet* set(int number) const;
};

// Splits a dump into at most `setCount` sets. A set is taken only when its whole header is
// in the dump; its block is cut where the dump ends. Nothing past the dump is ever read.
std::vector<LoggerSet> SplitSets(const QByteArray& dump, int setCount);

// "mm:ss" with at least two digits each: 5 and 30 give "05:30".
QString IntervalText(int minutes, int seconds);

// The row of the sets list: set number, interval "mm:ss", record count.
QStringList SetListRow(int number, const LoggerSet& set);

}  // namespace montira
