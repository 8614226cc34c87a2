#include "core/workload/WholeNumbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace montira::workload {

namespace {
constexpr double kWholeRange = 9.0e18;
}

double Round15(double x) {
    if (!std::isfinite(x)) return x;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", x);
    return std::strtod(buf, nullptr);
}

long long FixWhole(double x) {
    const double r = Round15(x);
    if (!std::isfinite(r) || std::fabs(r) >= kWholeRange) return 0;
    return static_cast<long long>(std::trunc(r));
}

long long FloorWhole(double x) {
    const double r = Round15(x);
    if (!std::isfinite(r) || std::fabs(r) >= kWholeRange) return 0;
    return static_cast<long long>(std::floor(r));
}

}  // namespace montira::workload
