#include "core/workload/WorstHour.h"

#include <QCoreApplication>
#include <algorithm>

namespace montira::exposure {

namespace {

using Run = std::pair<int, int>;

// The end of a run: its last reading plus one typical interval.
qint64 RunEnd(const WbgtSeries& s, const SeriesRuns& r, const Run& run) {
    return s.ticks[size_t(run.second)] + r.typical;
}

// How long reading k of `run` holds its value.
qint64 Holds(const WbgtSeries& s, const SeriesRuns& r, const Run& run, int k) {
    return k < run.second ? s.ticks[size_t(k) + 1] - s.ticks[size_t(k)] : r.typical;
}

ExposureHour Make(const WbgtSeries& s, int first, qint64 start, qint64 end, double integral,
                  bool partial) {
    ExposureHour h;
    h.first = first;
    h.start = start;
    h.end = end;
    h.meanUnit = integral / double(end - start) / kValueScale;
    h.meanC = s.fahrenheit ? FahrenheitToCelsius(h.meanUnit) : h.meanUnit;
    h.partial = partial;
    return h;
}

const Run* RunOf(const SeriesRuns& r, int k) {
    auto it = std::upper_bound(r.runs.begin(), r.runs.end(), k,
                               [](int v, const Run& run) { return v < run.first; });
    if (it == r.runs.begin()) return nullptr;
    --it;
    return k <= it->second ? &*it : nullptr;
}

// The run whose span [first reading, end) holds the instant `t`, or none.
const Run* RunAt(const WbgtSeries& s, const SeriesRuns& r, qint64 t) {
    for (const Run& run : r.runs)
        if (t >= s.ticks[size_t(run.first)] && t < RunEnd(s, r, run)) return &run;
    return nullptr;
}

// The step function's integral over one run from its start, up to each reading's time.
std::vector<qint64> Prefix(const WbgtSeries& s, const SeriesRuns& r, const Run& run) {
    std::vector<qint64> at(size_t(run.second - run.first + 1));
    qint64 sum = 0;
    for (int k = run.first; k <= run.second; ++k) {
        at[size_t(k - run.first)] = sum;
        sum += s.milli[size_t(k)] * Holds(s, r, run, k);
    }
    return at;
}

// A cursor over a run's integral: until(x) is the integral up to any instant x of the run
// (at most its end). Instants asked for in increasing order cost nothing extra.
class RunIntegral {
public:
    RunIntegral(const WbgtSeries& s, const Run& run, const std::vector<qint64>& at)
        : s_(s), run_(run), at_(at), k_(run.first) {}
    // The reading in effect at x (the last one at or before it).
    int readingAt(qint64 x) {
        if (x < s_.ticks[size_t(k_)]) k_ = run_.first;
        while (k_ < run_.second && s_.ticks[size_t(k_) + 1] <= x) ++k_;
        return k_;
    }
    qint64 until(qint64 x) {
        const int k = readingAt(x);
        return at_[size_t(k - run_.first)] + s_.milli[size_t(k)] * (x - s_.ticks[size_t(k)]);
    }

private:
    const WbgtSeries& s_;
    const Run& run_;
    const std::vector<qint64>& at_;
    int k_;
};

// Two cursors over one run, one for the windows' starts and one for their ends, so that a
// sweep of increasing starts is linear.
struct Sweep {
    RunIntegral from, to;
    Sweep(const WbgtSeries& s, const Run& run, const std::vector<qint64>& at)
        : from(s, run, at), to(s, run, at) {}
    qint64 hour(qint64 start) { return to.until(start + kHourTicks) - from.until(start); }
};

}  // namespace

SeriesRuns SplitRuns(const WbgtSeries& s) {
    SeriesRuns r;
    const int n = s.size();
    if (n == 0) return r;
    std::vector<qint64> spacings;
    spacings.reserve(size_t(n));
    for (int k = 0; k + 1 < n; ++k) {
        const qint64 d = s.ticks[size_t(k) + 1] - s.ticks[size_t(k)];
        if (d >= 0) spacings.push_back(d);
    }
    if (!spacings.empty()) {
        const size_t m = spacings.size() / 2;
        std::nth_element(spacings.begin(), spacings.begin() + qsizetype(m), spacings.end());
        const qint64 upper = spacings[m];
        if (spacings.size() % 2 == 1) {
            r.typical = upper;
        } else {
            const qint64 lower =
                *std::max_element(spacings.begin(), spacings.begin() + qsizetype(m));
            r.typical = (lower + upper) / 2;  // whole: ticks are half seconds
        }
    }
    int first = 0;
    for (int k = 0; k + 1 < n; ++k) {
        const qint64 d = s.ticks[size_t(k) + 1] - s.ticks[size_t(k)];
        if (d < 0 || d > 2 * r.typical) {
            r.runs.emplace_back(first, k);
            first = k + 1;
        }
    }
    r.runs.emplace_back(first, n - 1);
    return r;
}

ExposureHour WorstHour(const WbgtSeries& s) {
    return WorstHour(s, SplitRuns(s));
}

// The integral of a window is piecewise linear in its start, with corners only where its
// start or its end crosses a reading's time; so the highest lies at a window that starts at
// a reading or ends at one (or at the run's end). Both kinds of candidate are swept in order
// of their start, the hottest kept, the earliest of equal ones (integrals are whole numbers,
// so equal hours tie exactly).
ExposureHour WorstHour(const WbgtSeries& s, const SeriesRuns& r) {
    bool found = false;
    qint64 bestIntegral = 0, bestStart = 0;
    const Run* bestRun = nullptr;
    double bestPartial = 0;
    ExposureHour partial;
    auto consider = [&](const Run& run, qint64 start, qint64 integral) {
        if (!found || integral > bestIntegral || (integral == bestIntegral && start < bestStart)) {
            found = true;
            bestIntegral = integral;
            bestStart = start;
            bestRun = &run;
        }
    };
    for (const auto& run : r.runs) {
        const qint64 begin = s.ticks[size_t(run.first)], end = RunEnd(s, r, run);
        if (end - begin >= kHourTicks) {
            const std::vector<qint64> at = Prefix(s, r, run);
            Sweep starts(s, run, at), ends(s, run, at);
            for (int i = run.first; i <= run.second && s.ticks[size_t(i)] + kHourTicks <= end; ++i)
                consider(run, s.ticks[size_t(i)], starts.hour(s.ticks[size_t(i)]));
            for (int j = run.first; j <= run.second + 1; ++j) {
                const qint64 stop = j <= run.second ? s.ticks[size_t(j)] : end;
                if (stop - kHourTicks < begin) continue;
                consider(run, stop - kHourTicks, ends.hour(stop - kHourTicks));
            }
            continue;
        }
        if (found || end <= begin) continue;
        qint64 whole = 0;
        for (int k = run.first; k <= run.second; ++k)
            whole += s.milli[size_t(k)] * Holds(s, r, run, k);
        const double mean = double(whole) / double(end - begin);
        if (!partial.valid() || mean > bestPartial) {
            bestPartial = mean;
            partial = Make(s, run.first, begin, end, double(whole), true);
        }
    }
    if (!found) return partial;
    const std::vector<qint64> at = Prefix(s, r, *bestRun);
    RunIntegral cursor(s, *bestRun, at);
    return Make(s, cursor.readingAt(bestStart), bestStart, bestStart + kHourTicks,
                double(bestIntegral), false);
}

ExposureHour HourFrom(const WbgtSeries& s, const SeriesRuns& r, qint64 start) {
    const Run* run = RunAt(s, r, start);
    if (!run || start + kHourTicks > RunEnd(s, r, *run)) return {};
    const std::vector<qint64> at = Prefix(s, r, *run);
    Sweep sweep(s, *run, at);
    const qint64 integral = sweep.hour(start);
    return Make(s, sweep.from.readingAt(start), start, start + kHourTicks, double(integral), false);
}

ExposureHour HourAt(const WbgtSeries& s, const SeriesRuns& r, int first) {
    if (first < 0 || first >= s.size() || !RunOf(r, first)) return {};
    return HourFrom(s, r, s.ticks[size_t(first)]);
}

QString WhyNoHourAt(const WbgtSeries& s, const SeriesRuns& r, qint64 ticks) {
    if (s.size() == 0 || r.runs.empty())
        return QCoreApplication::translate("Exposure", "sem leituras");
    const QString at = StampText(ticks);
    const qint64 first = s.ticks.front();
    const qint64 last = RunEnd(s, r, r.runs.back());
    for (size_t i = 0; i < r.runs.size(); ++i) {
        const auto& run = r.runs[i];
        const qint64 runStart = s.ticks[size_t(run.first)], runEnd = RunEnd(s, r, run);
        if (ticks < runStart && i > 0 && ticks >= RunEnd(s, r, r.runs[i - 1]))
            return QCoreApplication::translate("Exposure",
                                               "%1 cai numa interrupção das leituras (de %2 a %3)")
                .arg(at, StampText(RunEnd(s, r, r.runs[i - 1])), StampText(runStart));
        if (ticks < runStart || ticks >= runEnd) continue;
        if (ticks + kHourTicks > runEnd)
            return QCoreApplication::translate(
                       "Exposure",
                       "as leituras desta sequência terminam em %1, %2 min depois de %3; "
                       "a hora precisa de 60 min")
                .arg(StampText(runEnd))
                .arg(double(runEnd - ticks) / (60 * kTicksPerSecond), 0, 'f', 1)
                .arg(at);
        return {};
    }
    return QCoreApplication::translate("Exposure", "%1 está fora das leituras (%2 a %3)")
        .arg(at, StampText(first), StampText(last));
}

int NextHourStart(const WbgtSeries& s, const SeriesRuns& r, const ExposureHour& from, int step) {
    if (!from.valid()) return -1;
    // Back from an hour that starts between readings, the first step is its own reading.
    int k = step < 0 && from.start > s.ticks[size_t(from.first)] ? from.first : from.first + step;
    for (; k >= 0 && k < s.size(); k += step) {
        const auto* run = RunOf(r, k);
        if (run && s.ticks[size_t(k)] + kHourTicks <= RunEnd(s, r, *run)) return k;
    }
    return -1;
}

}  // namespace montira::exposure
