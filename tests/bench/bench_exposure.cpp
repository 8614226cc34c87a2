// The worst hour of a 320,000-record table (one reading every 10 s, about 37 days): reading
// the WBGT column out of the table, and the search itself (a sliding window). The goal is
// under 50 ms for the search.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "core/record/DataFile.h"
#include "core/workload/WbgtSeries.h"
#include "core/workload/WorstHour.h"

namespace {

using namespace montira::exposure;

constexpr int kRecords = 320000;

const montira::TextTable& Table() {
    static const montira::TextTable table = [] {
        QByteArray out = montira::EncodeFieldsLine(montira::DataFileHeading(true));
        out.reserve(kRecords * 90);
        auto two = [](int v) { return QByteArray::number(v).rightJustified(2, '0'); };
        for (int i = 0; i < kRecords; ++i) {
            const qint64 s = qint64(i) * 10;
            const int day = int(s / 86400) + 1;
            const QByteArray wbgt =
                QByteArray::number(20 + (qint64(i) * 7919 % 150) / 10.0, 'f', 1);
            out += QByteArray::number(i + 1) + "\t24/" + two(day > 31 ? 4 : 3) + '/' +
                   two(day > 31 ? day - 31 : day) + '\t' + two(int(s / 3600 % 24)) + ':' +
                   two(int(s / 60 % 60)) + ':' + two(int(s % 60)) + "\t25.0\t18.0\t22.0\t26.0\t" +
                   wbgt + '\t' + wbgt + "\t30.0\t1.0\t- - -\t\r\n";
        }
        return montira::ReadDataFile(out).rows;
    }();
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
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
