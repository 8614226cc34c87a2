#pragma once
#include <QString>

#include "core/meter/Reading.h"

namespace montira::workload {

// The running WBGT averages of the work-load window, fed by each sample tick while it is open.
struct WbgtAverages {
    double AvgWbgtIndoor = 0, AvgWbgtOutdoor = 0;
    double AvgSampleCount = 0, AvgSumIndoor = 0, AvgSumOutdoor = 0;
    // Samples whose indoor / outdoor text was a number (the sums' divisors). Cleared by the
    // first sample after AvgSampleCount was set to 0.
    double AvgValidIndoor = 0, AvgValidOutdoor = 0;
};

// The averaging step of the sample tick, run while the work-load window is open: counts the
// sample and adds the numeric indoor and outdoor WBGT texts to the sums, then sets
// AvgWbgtIndoor and AvgWbgtOutdoor. A text that is not a number ("- - -", a probe out of
// range) is left out of its mean instead of being taken as 0 °C, which would pull the mean
// down and let a lighter regime through. A mean without any numeric sample is 0.
// The first sample after AvgSampleCount was reset to 0 also clears the valid-sample counts.
void AddWbgtSample(WbgtAverages& averages, const Reading& reading);

// Clears the averages, their sums and counts (what the Environment button does on opening).
void ResetWbgtAverages(WbgtAverages& averages);

// Text of the average labels LblWbgti / LblWbgto: the mean cut to one decimal with the
// point before its last digit, then "ºC / ", the Fahrenheit value cut to whole, " ºF".
// 25.37 gives "25.3ºC / 77 ºF"; 0.5 gives ".5ºC / 32 ºF".
QString AverageLabelText(double avg);

// True when a value text holds a number (not "- - -", not empty).
bool IsNumberText(const QString& text);

}  // namespace montira::workload
