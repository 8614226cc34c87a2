#include <cstdio>

#include "cli/Commands.h"

namespace montira::cli {

int RunRecord(const QStringList&) {
    std::fputs("montira-cli record: ainda não disponível\n", stderr);
    return kFailure;
}

}  // namespace montira::cli
