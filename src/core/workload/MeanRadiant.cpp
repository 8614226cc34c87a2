#include "core/workload/MeanRadiant.h"

#include <cmath>

namespace montira::heatstrain {

std::optional<double> MeanRadiantTemperature(double tg, double ta, double va, double diameter,
                                             double emissivity) {
    if (!std::isfinite(tg) || !std::isfinite(ta) || !std::isfinite(va) ||
        !std::isfinite(diameter) || !std::isfinite(emissivity) || va < 0 || diameter <= 0 ||
        emissivity <= 0)
        return std::nullopt;
    const double globe = tg + 273;
    const double sum = std::pow(globe, 4) + 1.1e8 * std::pow(va, 0.6) /
                                                (emissivity * std::pow(diameter, 0.4)) * (tg - ta);
    if (!(sum > 0)) return std::nullopt;
    return std::pow(sum, 0.25) - 273;
}

}  // namespace montira::heatstrain
