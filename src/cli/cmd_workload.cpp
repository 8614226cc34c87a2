#include <cstdio>

#include "cli/Commands.h"

namespace montira::cli {

int RunWorkload(const QStringList&) {
    std::fputs("montira-cli workload: ainda não disponível\n", stderr);
    return kFailure;
}

}  // namespace montira::cli
