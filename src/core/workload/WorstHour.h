#pragma once
#include <utility>
#include <vector>

#include "core/workload/WbgtSeries.h"

namespace montira::exposure {

// The hour evaluated: its first reading, start and end, and the time-weighted mean WBGT.
// `partial` when no run held 60 minutes and a whole run was evaluated instead
// ("menos de 60 minutos de dados").
struct ExposureHour {
    int first = -1;             // index of the reading it starts at; -1 when there is none
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
// for one typical interval); of the 60-minute windows that start at a reading and lie
// inside its run, the one with the highest integral (the earliest on a tie). With no such
// window, the run with the highest mean, whole. Linear in the count of readings.
ExposureHour WorstHour(const WbgtSeries& s);
ExposureHour WorstHour(const WbgtSeries& s, const SeriesRuns& runs);

// The hour that starts at reading `first`; invalid when that reading has no full 60 minutes
// inside its run.
ExposureHour HourAt(const WbgtSeries& s, const SeriesRuns& runs, int first);

// The first reading at `ticks` that starts a full hour, or -1.
int HourStartAt(const WbgtSeries& s, const SeriesRuns& runs, qint64 ticks);
// Why no hour starts at `ticks`, in words for the user ("" when one does): outside the
// readings, in a break between runs, at no reading, or too near its run's end.
QString WhyNoHourAt(const WbgtSeries& s, const SeriesRuns& runs, qint64 ticks);
// The next (step +1) or previous (step -1) reading after `from` that starts a full hour, or -1.
int NextHourStart(const WbgtSeries& s, const SeriesRuns& runs, int from, int step);

}  // namespace montira::exposure
