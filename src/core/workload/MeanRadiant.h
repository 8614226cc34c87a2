#pragma once
#include <optional>

namespace montira::heatstrain {

// The globe the meter carries: a 150 mm black globe.
constexpr double kGlobeDiameter = 0.15;  // m
constexpr double kGlobeEmissivity = 0.95;

// Mean radiant temperature (°C) from a globe reading in forced convection:
//   Tr = ((Tg + 273)⁴ + 1.1·10⁸·va^0.6 / (ε·D^0.4)·(Tg − Ta))^¼ − 273
// with the globe temperature Tg and air temperature Ta in °C, the air speed va in m/s, the
// globe's diameter D in m and its emissivity ε. Nothing when the inputs give no real
// temperature (a globe far colder than a windy air drives the sum below zero) or are not
// usable (non-finite, D or ε not above 0, negative speed).
std::optional<double> MeanRadiantTemperature(double tg, double ta, double va,
                                             double diameter = kGlobeDiameter,
                                             double emissivity = kGlobeEmissivity);

}  // namespace montira::heatstrain
