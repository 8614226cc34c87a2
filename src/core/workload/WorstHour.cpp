#include "core/workload/WorstHour.h"

#include <QCoreApplication>
#include <algorithm>

namespace montira::exposure {

namespace {

// The end of a run: its last reading plus one typical interval.
qint64 RunEnd(const WbgtSeries& s, const SeriesRuns& r, const std::pair<int, int>& run) {
    return s.ticks[size_t(run.second)] + r.typical;
}

// How long reading k of `run` holds its value.
qint64 Holds(const WbgtSeries& s, const SeriesRuns& r, const std::pair<int, int>& run, int k) {
    return k < run.second ? s.ticks[size_t(k) + 1] - s.ticks[size_t(k)] : r.typical;
}

// The integral of reading k's step from its time to `until` (at most its whole hold).
qint64 Step(const WbgtSeries& s, int k, qint64 until) {
    return s.milli[size_t(k)] * (until - s.ticks[size_t(k)]);
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

const std::pair<int, int>* RunOf(const SeriesRuns& r, int k) {
    auto it = std::upper_bound(r.runs.begin(), r.runs.end(), k,
                               [](int v, const std::pair<int, int>& run) { return v < run.first; });
    if (it == r.runs.begin()) return nullptr;
    --it;
    return k <= it->second ? &*it : nullptr;
}

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

ExposureHour WorstHour(const WbgtSeries& s, const SeriesRuns& r) {
    ExposureHour best;
    qint64 bestIntegral = 0;
    double bestPartial = 0;
    ExposureHour partial;
    for (const auto& run : r.runs) {
        const qint64 end = RunEnd(s, r, run);
        // Sliding window: `inside` is the integral from reading i to reading j's time, j the
        // last reading at or before the window's end.
        qint64 inside = 0;
        int j = run.first;
        for (int i = run.first; i <= run.second; ++i) {
            const qint64 until = s.ticks[size_t(i)] + kHourTicks;
            if (until > end) break;
            if (j < i) {
                j = i;
                inside = 0;
            }
            while (j < run.second && s.ticks[size_t(j) + 1] <= until) {
                inside += s.milli[size_t(j)] * Holds(s, r, run, j);
                ++j;
            }
            const qint64 integral = inside + Step(s, j, until);
            if (!best.valid() || integral > bestIntegral) {
                bestIntegral = integral;
                best.first = i;
            }
            inside -= s.milli[size_t(i)] * Holds(s, r, run, i);
        }
        if (best.valid()) continue;
        const qint64 span = end - s.ticks[size_t(run.first)];
        if (span <= 0) continue;
        qint64 whole = 0;
        for (int k = run.first; k <= run.second; ++k)
            whole += s.milli[size_t(k)] * Holds(s, r, run, k);
        const double mean = double(whole) / double(span);
        if (!partial.valid() || mean > bestPartial) {
            bestPartial = mean;
            partial = Make(s, run.first, s.ticks[size_t(run.first)], end, double(whole), true);
        }
    }
    if (!best.valid()) return partial;
    const qint64 start = s.ticks[size_t(best.first)];
    return Make(s, best.first, start, start + kHourTicks, double(bestIntegral), false);
}

ExposureHour HourAt(const WbgtSeries& s, const SeriesRuns& r, int first) {
    const auto* run = RunOf(r, first);
    if (!run) return {};
    const qint64 start = s.ticks[size_t(first)], until = start + kHourTicks;
    if (until > RunEnd(s, r, *run)) return {};
    qint64 integral = 0;
    int k = first;
    for (; k < run->second && s.ticks[size_t(k) + 1] <= until; ++k)
        integral += s.milli[size_t(k)] * Holds(s, r, *run, k);
    integral += Step(s, k, until);
    return Make(s, first, start, until, double(integral), false);
}

int HourStartAt(const WbgtSeries& s, const SeriesRuns& r, qint64 ticks) {
    for (int k = 0; k < s.size(); ++k)
        if (s.ticks[size_t(k)] == ticks && HourAt(s, r, k).valid()) return k;
    return -1;
}

QString WhyNoHourAt(const WbgtSeries& s, const SeriesRuns& r, qint64 ticks) {
    auto tr = [](const char* text) { return QCoreApplication::translate("Exposure", text); };
    if (s.size() == 0 || r.runs.empty()) return tr("sem leituras");
    const QString at = StampText(ticks);
    const qint64 first = s.ticks.front();
    const qint64 last = RunEnd(s, r, r.runs.back());
    if (ticks < first || ticks >= last)
        return tr("%1 está fora das leituras (%2 a %3)").arg(at, StampText(first), StampText(last));
    for (size_t i = 0; i < r.runs.size(); ++i) {
        const auto& run = r.runs[i];
        const qint64 runStart = s.ticks[size_t(run.first)], runEnd = RunEnd(s, r, run);
        if (ticks < runStart)
            return tr("%1 cai numa interrupção das leituras (de %2 a %3)")
                .arg(at, StampText(RunEnd(s, r, r.runs[i - 1])), StampText(runStart));
        if (ticks >= runEnd) continue;
        if (ticks + kHourTicks > runEnd)
            return tr("as leituras desta sequência terminam em %1, %2 min depois de %3; "
                      "a hora precisa de 60 min")
                .arg(StampText(runEnd))
                .arg(double(runEnd - ticks) / (60 * kTicksPerSecond), 0, 'f', 1)
                .arg(at);
        if (HourStartAt(s, r, ticks) < 0) return tr("nenhuma leitura em %1").arg(at);
        return {};
    }
    return tr("%1 está fora das leituras (%2 a %3)").arg(at, StampText(first), StampText(last));
}

int NextHourStart(const WbgtSeries& s, const SeriesRuns& r, int from, int step) {
    for (int k = from + step; k >= 0 && k < s.size(); k += step) {
        const auto* run = RunOf(r, k);
        if (run && s.ticks[size_t(k)] + kHourTicks <= RunEnd(s, r, *run)) return k;
    }
    return -1;
}

}  // namespace montira::exposure
