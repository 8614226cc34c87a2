#include "cli/OutputFile.h"

#include <cstdio>

namespace montira::cli {

bool IsStandardOutput(const QString& path) {
    return path == QLatin1String("-");
}

SaveOutcome WriteOutput(const QString& path, const WriteContents& write, QString* error) {
    if (!IsStandardOutput(path)) return SaveFileSafely(path, write, error);
    std::fflush(stdout);
    return WriteIntoDescriptor(1, QStringLiteral("(saída padrão)"), write, error);
}

}  // namespace montira::cli
