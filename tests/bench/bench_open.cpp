// "Open" of a 320,000-record data file (about 22 MB) into the file window, against a table
// widget that holds one item per cell (the way a grid of the old program was filled) and
// against a bare scan that only finds the lines and fields.
// Reports the time and the growth of resident memory of each, and the file size.
#include <QStringList>
#include <QTableWidget>
#include <cstring>
#include <memory>

#include "bench/BenchData.h"
#include "core/tables/Cp1252.h"
#include "ui/tables/FileList.h"

namespace {

using montira::bench::BigFile;
using montira::bench::kBigRecords;
using montira::bench::RssMb;

void Report(benchmark::State& state, double rssBefore) {
    const double fileMb = double(QFile(BigFile()).size()) / (1024.0 * 1024.0);
    state.counters["file_MB"] = fileMb;
    state.counters["rss_growth_MB"] = RssMb() - rssBefore;
    state.counters["rss_growth_per_file_size"] = (RssMb() - rssBefore) / fileMb;
}

// The file window: one read of the whole file, rows kept as spans of its bytes.
void BM_OpenIntoFileList(benchmark::State& state) {
    const QString path = BigFile();
    for (auto _ : state) {
        const double before = RssMb();
        auto w = std::make_unique<montira::FileList>();
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        montira::DataFileContents d = montira::ReadDataFile(f.readAll(), [](qsizetype) {
            QCoreApplication::processEvents();
            return true;
        });
        w->setHeaderTexts(d.name, d.sector, d.company);
        w->setHeading(d.heading);
        w->setRows(std::move(d.rows));
        w->show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        Report(state, before);
        if (w->model()->rowCount() != kBigRecords) state.SkipWithError("rows lost");
        w.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenIntoFileList)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// The floor: one read of the file, then only its lines and TAB-separated fields found (no
// text decoded, nothing kept).
void BM_OpenBareScan(benchmark::State& state) {
    const QString path = BigFile();
    for (auto _ : state) {
        const double before = RssMb();
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        const QByteArray bytes = f.readAll();
        qsizetype lines = 0, fields = 0;
        const char* p = bytes.constData();
        const char* const end = p + bytes.size();
        while (p < end) {
            const char* eol = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p)));
            if (!eol) eol = end;
            for (const char* q = p; q < eol; ++fields) {
                const char* tab = static_cast<const char*>(std::memchr(q, '\t', size_t(eol - q)));
                q = tab ? tab + 1 : eol;
            }
            ++lines;
            p = eol + 1;
        }
        benchmark::DoNotOptimize(fields);
        state.PauseTiming();
        Report(state, before);
        if (lines != kBigRecords + 4)  // three header lines and the heading
            state.SkipWithError("lines lost");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenBareScan)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// Baseline: a line at a time, split at TABs, one table item per cell.
void BM_OpenIntoItemTable(benchmark::State& state) {
    const QString path = BigFile();
    for (auto _ : state) {
        const double before = RssMb();
        auto t = std::make_unique<QTableWidget>(0, 12);
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        int row = -1;
        while (!f.atEnd()) {
            QByteArray line = f.readLine();
            while (line.endsWith('\n') || line.endsWith('\r')) line.chop(1);
            if (line.startsWith("*****")) continue;  // the header lines
            const QList<QByteArray> cells = line.split('\t');
            if (row < 0) {
                QStringList heading;
                for (int k = 0; k < 12; ++k) heading << montira::FromCp1252(cells.value(k));
                t->setHorizontalHeaderLabels(heading);
            } else {
                t->insertRow(row);
                for (int k = 0; k < 12; ++k)
                    t->setItem(row, k, new QTableWidgetItem(montira::FromCp1252(cells.value(k))));
            }
            ++row;
        }
        t->show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        Report(state, before);
        t.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenIntoItemTable)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    return montira::bench::RunBenchmarks(argc, argv, true);
}
