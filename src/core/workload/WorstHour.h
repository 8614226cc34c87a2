#pragma once
#include <utility>
#include <vector>

#include "core/workload/WbgtSeries.h"

namespace montira::exposure {

// The hour evaluated: the reading in effect at its start (which may lie between readings),
// its start and end, and the time-weighted mean WBGT.
// `partial` when no run held 60 minutes and a whole run was evaluated instead
// ("menos de 60 minutos de dados").
struct ExposureHour {
    int first = -1;             // the reading in effect at its start; -1 when there is none
    qint64 start = 0, end = 0;  // ticks
    double meanUnit = 0;        // in the table's unit
    double meanC = 0;           // in °C
    bool partial = false;
    bool valid() const { return first >= 0; }
};

// How the readings split: the typical interval (median of the spacings between consecutive
// readings, the mean of the two middle ones for an even count) and the runs, [first, last]
// reading indices. A spacing longer than twice the typical interval starts a new run, and
// so does a time that goes back (a clock set back), whose spacing is not counted either.
struct SeriesRuns {
    qint64 typical = 0;  // ticks
    std::vector<std::pair<int, int>> runs;
};
SeriesRuns SplitRuns(const WbgtSeries& s);

// The worst hour: each reading's value holds until the next reading (a run's last reading
// for one typical interval); of the 60-minute windows that lie inside one run, whatever
// instant they start at, the one with the highest integral (the earliest on a tie). With
// no such window, the run with the highest mean, whole. Linear in the count of readings.
ExposureHour WorstHour(const WbgtSeries& s);
ExposureHour WorstHour(const WbgtSeries& s, const SeriesRuns& runs);

// The hour that starts at the instant `start`; invalid when it does not lie inside one run.
ExposureHour HourFrom(const WbgtSeries& s, const SeriesRuns& runs, qint64 start);
// The hour that starts at reading `first`.
ExposureHour HourAt(const WbgtSeries& s, const SeriesRuns& runs, int first);

// Why no hour starts at `ticks`, in words for the user ("" when one does): outside the
// readings, in a break between runs, or too near its run's end.
QString WhyNoHourAt(const WbgtSeries& s, const SeriesRuns& runs, qint64 ticks);
// The next (step +1) or previous (step -1) reading from the hour `from` that starts a full
// hour, or -1.
int NextHourStart(const WbgtSeries& s, const SeriesRuns& runs, const ExposureHour& from, int step);

}  // namespace montira::exposure
