#pragma once
#include <QStringList>
#include <optional>

#include "core/tables/TextTable.h"
#include "core/workload/WbgtSeries.h"
#include "core/workload/WorstHour.h"

namespace montira::heatstrain {

// The climate of an hour of readings, in °C, m/s and % whatever the table's unit.
struct Climate {
    double ta = 0;  // dry bulb (air temperature)
    double tg = 0;  // globe
    double va = 0;  // air speed
    double rh = 0;  // relative humidity, from each reading's dry and natural wet bulb
    int readings = 0;
};

// Plain means over the readings of `hour` (those of `series` from hour.first up to its
// end): dry bulb, globe and air speed each over the readings where that field is a number,
// relative humidity over those with both dry and wet bulb, derived by the meter's own
// psychrometric formula. Nothing when the hour is invalid or a channel has no reading in it.
std::optional<Climate> HourClimate(const QStringList& heading, const TextTable& rows,
                                   const exposure::WbgtSeries& series,
                                   const exposure::ExposureHour& hour);

}  // namespace montira::heatstrain
