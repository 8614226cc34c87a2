// The data plot of a 320,000-record data file: `montira-cli plot` against reading the same file
// alone (the ratio is reported), the drawing in process from the per-column summary and
// segment by segment, a zoomed redraw and a cursor redraw over the drawn plot; and one tick of
// the real-time chart, alone and with its window repainted.
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>

#include "bench/BenchData.h"
#include "core/graphs/PlotCursor.h"
#include "core/graphs/PlotList.h"
#include "core/graphs/RealTimeChart.h"
#include "ui/graphs/RealTime24.h"

namespace {

using montira::bench::BigFile;
using montira::bench::Dir;
using montira::bench::kBigRecords;
using montira::bench::ReadBigFile;

QString CliPath() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../montira-cli");
}

// Read, take the numbers and draw at 800 × 600, in process.
void BM_PlotInProcess(benchmark::State& state) {
    const auto detail =
        state.range(0) ? montira::PlotDetail::Summary : montira::PlotDetail::EverySegment;
    for (auto _ : state) {
        const montira::DataFileContents d = ReadBigFile();
        const montira::PlotColumns c = montira::ReadPlotColumns(d.rows);
        QImage img(800, 600, QImage::Format_RGB32);
        QPainter p(&img);
        const montira::PlotSettings s = montira::PlotSettingsFor(d.heading[0], d.rows.rowCount());
        montira::DrawPlotWindow(p, img.size(), montira::FullView(s), s.flags, d.rows, c, detail);
    }
}
BENCHMARK(BM_PlotInProcess)
    ->ArgName("summary")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();

// The command, a process of its own writing a PNG, against reading the file alone in the same
// run: `ratio` is the command's time over the reading's.
void BM_CliPlotVersusReading(benchmark::State& state) {
    if (!QFileInfo::exists(CliPath())) {
        state.SkipWithError("montira-cli not built");
        return;
    }
    double cliMs = 0, readMs = 0;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        QProcess p;
        p.start(CliPath(), {"plot", BigFile(), "--out", Dir().filePath("grande.png")});
        p.waitForFinished(60000);
        cliMs += double(t.nsecsElapsed()) / 1e6;
        if (p.exitCode() != 0) state.SkipWithError("plot failed");
        state.PauseTiming();
        t.restart();
        benchmark::DoNotOptimize(ReadBigFile().rows.rowCount());
        readMs += double(t.nsecsElapsed()) / 1e6;
        state.ResumeTiming();
    }
    state.counters["cli_ms"] = cliMs / double(state.iterations());
    state.counters["read_alone_ms"] = readMs / double(state.iterations());
    state.counters["ratio"] = cliMs / readMs;
}
BENCHMARK(BM_CliPlotVersusReading)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

struct Drawn {
    montira::DataFileContents d = ReadBigFile();
    montira::PlotColumns c = montira::ReadPlotColumns(d.rows);
    montira::PlotSettings s = montira::PlotSettingsFor(d.heading[0], d.rows.rowCount());
    QImage img{800, 600, QImage::Format_RGB32};
};
Drawn& Loaded() {
    static Drawn d;
    return d;
}

// A redraw of the window from the numbers already taken: the whole plot, or a zoomed part.
void BM_Redraw(benchmark::State& state) {
    Drawn& d = Loaded();
    montira::PlotView v = montira::FullView(d.s);
    if (state.range(0)) {
        v.from = 100000;
        v.to = 200000;
        v.scale.tempMin = 15;
        v.scale.tempMax = 40;
        v.zoomed = true;
    }
    for (auto _ : state) {
        QPainter p(&d.img);
        montira::DrawPlotWindow(p, d.img.size(), v, d.s.flags, d.d.rows, d.c);
    }
}
BENCHMARK(BM_Redraw)->ArgName("zoomed")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The cursor over a drawn plot: the image copied to the screen's buffer, then line and box.
void BM_CursorRedraw(benchmark::State& state) {
    Drawn& d = Loaded();
    QImage screen(d.img.size(), QImage::Format_RGB32);
    const montira::GraphLayout g = montira::LayoutFor(d.img.size());
    const montira::PlotView v = montira::FullView(d.s);
    long long r = 1;
    for (auto _ : state) {
        r = (r + 7919) % kBigRecords + 1;
        QPainter p(&screen);
        p.drawImage(0, 0, d.img);
        montira::DrawCursor(p, screen.size(), g, montira::RecordX(g, v, r),
                            montira::CursorReadout(d.d.rows, r, d.s.flags, d.s.celsius()));
    }
}
BENCHMARK(BM_CursorRedraw)->Unit(benchmark::kMicrosecond);

montira::Reading SampleReading(int i) {
    montira::Reading r;
    const double t = 25 + 5 * std::sin(i / 30.0);
    r.DryC = t, r.DewC = t - 8, r.WetC = t - 4, r.HeatIndexC = t + 2, r.WbgtIndoorC = t - 2;
    r.WbgtOutdoorC = t - 1, r.GlobeC = t + 5, r.AirSpeed = 2;
    r.DryText = r.DewText = r.WetText = r.HeatIndexText = r.WbgtIndoorText = r.WbgtOutdoorText =
        r.GlobeText = r.AirSpeedText = QStringLiteral("1.0");
    r.WindChillText = QStringLiteral("20.5");
    return r;
}

// One tick of the chart on its image (every channel on, the time label every 60 ticks).
void BM_ChartTick(benchmark::State& state) {
    QImage img(640, 480, QImage::Format_RGB32);
    QPainter p(&img);
    montira::ChartSettings s;
    s.flags.fill(true);
    montira::RealTimeChart chart;
    chart.layout(p, img.size(), s);
    int i = 0;
    for (auto _ : state) chart.tick(p, s, SampleReading(++i), true, QTime(10, 0, 0));
}
BENCHMARK(BM_ChartTick)->Unit(benchmark::kMicrosecond);

// The same tick in the shown window, with its repaint: the share of a core at the 150 ms poll
// is this time over 150 ms.
void BM_ChartTickInWindow(benchmark::State& state) {
    montira::ChartSettings s;
    montira::RealTime24 w(s);
    w.resize(640, 480);
    w.openChart();
    w.Timer1->stop();
    QCoreApplication::processEvents();
    int i = 0;
    for (auto _ : state) {
        w.addSample(SampleReading(++i));
        w.drawTick(QTime(10, 0, 0));
        QCoreApplication::processEvents();
    }
    state.counters["ticks_per_s"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ChartTickInWindow)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    return montira::bench::RunBenchmarks(argc, argv, true);
}
