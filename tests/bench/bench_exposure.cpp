// The worst hour of a 320,000-record table (one reading every 10 s, about 37 days): reading
// the WBGT column out of the table, and the search itself (a sliding window). The goal is
// under 50 ms for the search.
#include "bench/BenchData.h"
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

}  // namespace

int main(int argc, char** argv) {
    return montira::bench::RunBenchmarks(argc, argv);
}
