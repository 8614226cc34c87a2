#pragma once
#include <QString>

namespace montira {

// The limits both scale dialogs (live chart and data plot) hold their numbers to: temperature
// -20..130 °C or -4..266 °F with max above min, air speed 0..30 m/s or 0..6000 ft/m (max above
// min too when `windOrdered`), relative humidity 0..100 with max above min. False and the
// refusal text in `message` at the first number out of range.
bool ScaleWithinLimits(bool celsius, double tMax, double tMin, double wMax, double wMin,
                       bool windOrdered, QString& message);
bool HumidityWithinLimits(double rMax, double rMin, QString& message);

}  // namespace montira
