// Printing to PDF: a full live list (24,800 rows) and a full data file (320,000 records) as
// the ruled table print, and the file also as the fixed-width listing; the spreadsheet export
// of the same file against reading the file alone. Reports pages, PDF size, the peak resident
// memory of the process (run one benchmark per process for a figure of its own) and the
// longest gap between two progress calls: the longest the program would go without letting
// the window events run.
#include <QElapsedTimer>
#include <QPdfWriter>

#include "bench/BenchData.h"
#include "core/tables/CsvExport.h"
#include "core/tables/Listing.h"
#include "core/tables/TablePrint.h"

namespace {

using namespace montira;
using bench::BigFile;
using bench::Dir;
// Longest time between two progress calls.
struct StallMeter {
    QElapsedTimer t;
    qint64 worst = 0;
    RowProgress progress() {
        t.start();
        return [this](int, int) {
            worst = std::max(worst, t.restart());
            return true;
        };
    }
};

void PrintToPdf(benchmark::State& state, const GridSource& grid, bool listing,
                const HeaderTexts& header) {
    const QString out = Dir().filePath(QStringLiteral("out.pdf"));
    PrintResult res;
    StallMeter stall;
    for (auto _ : state) {
        QFile f(out);
        f.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&f);
        pdf.setResolution(600);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        QPainter p(&pdf);
        if (listing) {
            res = PrintListing(p, pdf, grid, header, stall.progress());
        } else {
            TablePrintOptions o;
            o.headerLines = true;
            o.header = header;
            res = PrintTable(p, pdf, grid, o, stall.progress());
        }
        p.end();
    }
    if (res.outcome != PrintOutcome::Printed) state.SkipWithError("not printed");
    state.counters["pages"] = res.pages;
    state.counters["pdf_MB"] = double(QFile(out).size()) / (1024.0 * 1024.0);
    state.counters["peak_rss_MB"] = bench::RssMb(true);
    state.counters["longest_gap_ms"] = double(stall.worst);
}

void BM_PrintLiveList24800(benchmark::State& state) {
    DataFileContents d = ReadDataFile(bench::DataFileBytes(24800));
    PrintToPdf(state, HeadedTable(d.heading, d.rows), false, {d.name, d.sector, d.company});
}

void BM_PrintFileList320000(benchmark::State& state) {
    DataFileContents d = bench::ReadBigFile();
    PrintToPdf(state, HeadedTable(d.heading, d.rows), false, {});
}

void BM_PrintListing320000(benchmark::State& state) {
    DataFileContents d = bench::ReadBigFile();
    PrintToPdf(state, HeadedTable(d.heading, d.rows), true, {d.name, d.sector, d.company});
}

// What the export costs over the reading it needs anyway.
void BM_ReadFile320000(benchmark::State& state) {
    BigFile();
    for (auto _ : state) {
        DataFileContents d = bench::ReadBigFile();
        benchmark::DoNotOptimize(d.rows.rowCount());
    }
    state.counters["peak_rss_MB"] = bench::RssMb(true);
}

void BM_ReadAndExportCsv320000(benchmark::State& state) {
    BigFile();
    const QString out = Dir().filePath(QStringLiteral("out.csv"));
    StallMeter stall;
    for (auto _ : state) {
        DataFileContents d = bench::ReadBigFile();
        if (ExportCsv(out, HeadedTable(d.heading, d.rows), {d.name, d.sector, d.company},
                      CsvStyle{}, stall.progress()) != SaveOutcome::Saved)
            state.SkipWithError("not saved");
    }
    state.counters["csv_MB"] = double(QFile(out).size()) / (1024.0 * 1024.0);
    state.counters["peak_rss_MB"] = bench::RssMb(true);
    state.counters["longest_gap_ms"] = double(stall.worst);
}

}  // namespace

BENCHMARK(BM_PrintLiveList24800)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PrintFileList320000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PrintListing320000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ReadFile320000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReadAndExportCsv320000)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
    return montira::bench::RunBenchmarks(argc, argv);
}
