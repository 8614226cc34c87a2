// The worst hour of a 320,000-record table (one reading every 10 s, about 37 days): reading
// the WBGT column out of the table, and the search itself (a sliding window). The goal is
// under 50 ms for the search. And a whole survey: three situations at three heights, each
// height its own 320,000-record file, read and evaluated in under 1 s.
#include "bench/BenchData.h"
#include "core/workload/Survey.h"
#include "core/workload/WbgtSeries.h"
#include "core/workload/WorstHour.h"

namespace {

using namespace montira::exposure;

const montira::TextTable& Table() {
    static const montira::TextTable table =
        montira::ReadDataFile(montira::bench::DataFileBytes(montira::bench::kBigRecords)).rows;
    return table;
}

void BM_ReadWbgtColumn(benchmark::State& state) {
    const auto& t = Table();
    for (auto _ : state) benchmark::DoNotOptimize(ReadWbgtSeries({"(°C)"}, t, WbgtIndex::Indoor));
}
BENCHMARK(BM_ReadWbgtColumn)->Unit(benchmark::kMillisecond);

void BM_WorstHour(benchmark::State& state) {
    const WbgtSeries s = ReadWbgtSeries({"(°C)"}, Table(), WbgtIndex::Indoor);
    for (auto _ : state) benchmark::DoNotOptimize(WorstHour(s));
    state.counters["readings"] = s.size();
}
BENCHMARK(BM_WorstHour)->Unit(benchmark::kMillisecond);

// Nine copies of the big file, written once, and the survey that names them.
const Survey& NineHeights() {
    static const Survey survey = [] {
        const QByteArray bytes = montira::bench::DataFileBytes(montira::bench::kBigRecords);
        Survey s;
        s.folder = montira::bench::Dir().path();
        for (int i = 0; i < 3; ++i) {
            Situation sit;
            sit.minutes = 20;
            for (int k = 0; k < 3; ++k) {
                Height h;
                h.file = QStringLiteral("altura%1%2.plv").arg(i).arg(k);
                QFile f(montira::bench::Dir().filePath(h.file));
                f.open(QIODevice::WriteOnly);
                f.write(bytes);
                sit.heights.push_back(h);
            }
            s.situations.push_back(sit);
        }
        s.activities = {{QString(), 243, 60, {}}};
        return s;
    }();
    return survey;
}

void BM_SurveyOfNineFiles(benchmark::State& state) {
    const Survey& base = NineHeights();
    for (auto _ : state) {
        Survey s = base;
        QString why;
        if (!LoadSurveyFiles(s, &why) || !EvaluateSurvey(s, &why)) {
            state.SkipWithError(qPrintable(why));
            break;
        }
    }
    state.counters["files"] = 9;
    state.counters["records_per_file"] = montira::bench::kBigRecords;
}
BENCHMARK(BM_SurveyOfNineFiles)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return montira::bench::RunBenchmarks(argc, argv);
}
