// Printing to PDF: a full live list (24,800 rows) and a full data file (320,000 records) as
// the ruled table print, and the file also as the fixed-width listing; the spreadsheet export
// of the same file against reading the file alone. Reports pages, PDF size, the peak resident
// memory of the process (run one benchmark per process for a figure of its own) and the
// longest gap between two progress calls: the longest the program would go without letting
// the window events run.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "core/record/DataFile.h"
#include "core/tables/CsvExport.h"
#include "core/tables/Listing.h"
#include "core/tables/TablePrint.h"

namespace {

using namespace montira;

double PeakRssMb() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ')[0].toDouble() / 1024;
    return 0;
}

QTemporaryDir& Dir() {
    static QTemporaryDir dir;
    return dir;
}

QByteArray Records(int n) {
    QByteArray out = EncodeHeaderLines(HeaderTexts{"Ana", "Forno 2", "Acme"}) +
                     EncodeFieldsLine(DataFileHeading(true));
    out.reserve(qsizetype(n) * 75);
    for (int i = 1; i <= n; ++i) {
        const int s = i % 60, m = (i / 60) % 60, h = (i / 3600) % 24;
        out += QByteArray::number(i) + "\t24/03/07\t" +
               QByteArray::number(h).rightJustified(2, '0') + ':' +
               QByteArray::number(m).rightJustified(2, '0') + ':' +
               QByteArray::number(s).rightJustified(2, '0') + '\t' +
               QByteArray::number(20 + i % 150 / 10.0, 'f', 1) +
               "\t18.0\t22.1\t29.6\t25.1\t24.8\t31.2\t1.6\t- - -\t\r\n";
    }
    return out;
}

const QString& BigFile() {
    static const QString path = [] {
        const QString p = Dir().filePath(QStringLiteral("grande.plv"));
        QFile f(p);
        f.open(QIODevice::WriteOnly);
        f.write(Records(320000));
        return p;
    }();
    return path;
}

DataFileContents ReadBig() {
    QFile f(BigFile());
    f.open(QIODevice::ReadOnly);
    return ReadDataFile(f.readAll());
}

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
    state.counters["peak_rss_MB"] = PeakRssMb();
    state.counters["longest_gap_ms"] = double(stall.worst);
}

void BM_PrintLiveList24800(benchmark::State& state) {
    DataFileContents d = ReadDataFile(Records(24800));
    PrintToPdf(state, HeadedTable(d.heading, d.rows), false, {d.name, d.sector, d.company});
}

void BM_PrintFileList320000(benchmark::State& state) {
    DataFileContents d = ReadBig();
    PrintToPdf(state, HeadedTable(d.heading, d.rows), false, {});
}

void BM_PrintListing320000(benchmark::State& state) {
    DataFileContents d = ReadBig();
    PrintToPdf(state, HeadedTable(d.heading, d.rows), true, {d.name, d.sector, d.company});
}

// What the export costs over the reading it needs anyway.
void BM_ReadFile320000(benchmark::State& state) {
    BigFile();
    for (auto _ : state) {
        DataFileContents d = ReadBig();
        benchmark::DoNotOptimize(d.rows.rowCount());
    }
    state.counters["peak_rss_MB"] = PeakRssMb();
}

void BM_ReadAndExportCsv320000(benchmark::State& state) {
    BigFile();
    const QString out = Dir().filePath(QStringLiteral("out.csv"));
    StallMeter stall;
    for (auto _ : state) {
        DataFileContents d = ReadBig();
        if (ExportCsv(out, HeadedTable(d.heading, d.rows), {d.name, d.sector, d.company},
                      CsvStyle{}, stall.progress()) != SaveOutcome::Saved)
            state.SkipWithError("not saved");
    }
    state.counters["csv_MB"] = double(QFile(out).size()) / (1024.0 * 1024.0);
    state.counters["peak_rss_MB"] = PeakRssMb();
    state.counters["longest_gap_ms"] = double(stall.worst);
}

}  // namespace

BENCHMARK(BM_PrintLiveList24800)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PrintFileList320000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PrintListing320000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ReadFile320000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReadAndExportCsv320000)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
