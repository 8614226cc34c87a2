#include <cstdio>

#include "cli/Commands.h"

namespace montira::cli {

int RunMemory(const QStringList&) {
    std::fputs("montira-cli memory: ainda não disponível\n", stderr);
    return kFailure;
}

}  // namespace montira::cli
