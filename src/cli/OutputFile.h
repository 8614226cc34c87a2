#pragma once
#include <QString>

#include "core/tables/SafeFile.h"

namespace montira::cli {

// Where a command's output goes: "-" is standard output; any other name a file that the
// output replaces only when it is complete (a FIFO or a device is written into). On failure
// `error` names the file and the cause.
bool IsStandardOutput(const QString& path);
SaveOutcome WriteOutput(const QString& path, const WriteContents& write, QString* error);

}  // namespace montira::cli
