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

// Times `open`, then, outside the timing and while what it opened is still held, reports the
// file size and the growth of resident memory, and checks that every record arrived.
template <class Open>
void Measure(benchmark::State& state, Open open) {
    for (auto _ : state) {
        const double before = RssMb();
        auto [held, records] = open();
        state.PauseTiming();
        const double fileMb = double(QFile(BigFile()).size()) / (1024.0 * 1024.0);
        state.counters["file_MB"] = fileMb;
        state.counters["rss_growth_MB"] = RssMb() - before;
        state.counters["rss_growth_per_file_size"] = (RssMb() - before) / fileMb;
        if (records != kBigRecords) state.SkipWithError("records lost");
        held.reset();
        state.ResumeTiming();
    }
}

using Opened = std::pair<std::shared_ptr<void>, qsizetype>;

QByteArray ReadAll() {
    QFile f(BigFile());
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

// The file window: one read of the whole file, rows kept as spans of its bytes.
void BM_OpenIntoFileList(benchmark::State& state) {
    Measure(state, [] {
        auto w = std::make_shared<montira::FileList>();
        montira::DataFileContents d = montira::ReadDataFile(ReadAll(), [](qsizetype) {
            QCoreApplication::processEvents();
            return true;
        });
        w->setHeaderTexts(d.name, d.sector, d.company);
        w->setHeading(d.heading);
        w->setRows(std::move(d.rows));
        w->show();
        QCoreApplication::processEvents();
        return Opened(w, w->model()->rowCount());
    });
}
BENCHMARK(BM_OpenIntoFileList)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// The floor: one read of the file, then only its lines and TAB-separated fields found (no
// text decoded, nothing kept).
void BM_OpenBareScan(benchmark::State& state) {
    Measure(state, [] {
        auto bytes = std::make_shared<QByteArray>(ReadAll());
        qsizetype lines = 0, fields = 0;
        const char* p = bytes->constData();
        const char* const end = p + bytes->size();
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
        return Opened(bytes, lines - 4);  // three header lines and the heading
    });
}
BENCHMARK(BM_OpenBareScan)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// Baseline: a line at a time, split at TABs, one table item per cell.
void BM_OpenIntoItemTable(benchmark::State& state) {
    Measure(state, [] {
        auto t = std::make_shared<QTableWidget>(0, 12);
        QFile f(BigFile());
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
        return Opened(t, t->rowCount());
    });
}
BENCHMARK(BM_OpenIntoItemTable)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    return montira::bench::RunBenchmarks(argc, argv, true);
}
