#pragma once
#include <QString>
#include <QStringList>

namespace montira::cli {

// The arguments of the commands that read the meter for a long time, parsed apart from
// running them (so the parsers can be exercised without a meter).

// montira-cli record --port DEV --out FILE --samples K [--interval N] [--fahrenheit]
// [--timeout S]
struct RecordArgs {
    QString port, out;
    qint64 samples = 0;
    int interval = 2;
    bool fahrenheit = false;
    double timeout = 30;
};

bool ParseRecordArgs(const QStringList& args, RecordArgs& a, QString& error);

// montira-cli memory --port DEV [--timeout S] [--set N --out FILE [--fahrenheit]]
struct MemoryArgs {
    QString port, out;
    int set = 0;  // 0: list only
    bool fahrenheit = false;
    double timeout = 30;
};

bool ParseMemoryArgs(const QStringList& args, MemoryArgs& a, QString& error);

}  // namespace montira::cli
