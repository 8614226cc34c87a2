// The data plot of a 320,000-record data file: `montira-cli plot` against reading the same file
// alone (the ratio is reported), the drawing in process from the per-column summary and
// segment by segment, a zoomed redraw and a cursor redraw over the drawn plot; and one tick of
// the real-time chart, alone and with its window repainted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>

#include "core/graphs/PlotCursor.h"
#include "core/graphs/PlotList.h"
#include "core/graphs/RealTimeChart.h"
#include "core/record/DataFile.h"
#include "ui/graphs/RealTime24.h"

namespace {

constexpr int kRecords = 320000;

QTemporaryDir& Dir() {
    static QTemporaryDir dir;
    return dir;
}

const QString& DataFilePath() {
    static const QString path = [] {
        const QString p = Dir().filePath(QStringLiteral("grande.plv"));
        QFile f(p);
        f.open(QIODevice::WriteOnly);
        f.write(montira::EncodeFieldsLine(montira::DataFileHeading(true)));
        for (int i = 1; i <= kRecords; ++i) {
            const int s = i % 60, m = (i / 60) % 60, h = (i / 3600) % 24;
            const double t = 25 + 10 * std::sin(i / 5000.0) + double(i % 13) / 10.0;
            const QByteArray twc =
                i % 1000 == 0 ? QByteArray("- - -") : QByteArray::number(t - 4, 'f', 1);
            f.write(QStringLiteral("%1\t24/03/07\t%2:%3:%4\t%5\t%6\t22.1\t29.6\t25.1\t24.8\t%7"
                                   "\t1.6\t%8\t\r\n")
                        .arg(i)
                        .arg(h, 2, 10, QChar('0'))
                        .arg(m, 2, 10, QChar('0'))
                        .arg(s, 2, 10, QChar('0'))
                        .arg(t, 0, 'f', 1)
                        .arg(t - 7, 0, 'f', 1)
                        .arg(t + 6, 0, 'f', 1)
                        .arg(QString::fromLatin1(twc))
                        .toLatin1());
        }
        return p;
    }();
    return path;
}

montira::DataFileContents ReadIt() {
    QFile f(DataFilePath());
    f.open(QIODevice::ReadOnly);
    return montira::ReadDataFile(f.readAll());
}

QString CliPath() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../montira-cli");
}

void BM_ReadFileAlone(benchmark::State& state) {
    for (auto _ : state) {
        montira::DataFileContents d = ReadIt();
        benchmark::DoNotOptimize(d.rows.rowCount());
    }
}
BENCHMARK(BM_ReadFileAlone)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// Read, take the numbers and draw at 800 × 600, in process.
void BM_PlotInProcess(benchmark::State& state) {
    const auto detail =
        state.range(0) ? montira::PlotDetail::Summary : montira::PlotDetail::EverySegment;
    for (auto _ : state) {
        const montira::DataFileContents d = ReadIt();
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
        p.start(CliPath(), {"plot", DataFilePath(), "--out", Dir().filePath("grande.png")});
        p.waitForFinished(60000);
        cliMs += double(t.nsecsElapsed()) / 1e6;
        if (p.exitCode() != 0) state.SkipWithError("plot failed");
        state.PauseTiming();
        t.restart();
        benchmark::DoNotOptimize(ReadIt().rows.rowCount());
        readMs += double(t.nsecsElapsed()) / 1e6;
        state.ResumeTiming();
    }
    state.counters["cli_ms"] = cliMs / double(state.iterations());
    state.counters["read_alone_ms"] = readMs / double(state.iterations());
    state.counters["ratio"] = cliMs / readMs;
}
BENCHMARK(BM_CliPlotVersusReading)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

struct Drawn {
    montira::DataFileContents d = ReadIt();
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
        r = (r + 7919) % kRecords + 1;
        QPainter p(&screen);
        p.drawImage(0, 0, d.img);
        montira::DrawCursor(p, screen.size(), g, montira::RecordX(g, v, r),
                            montira::CursorReadout(d.d.rows, r, d.s.flags));
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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    DataFilePath();  // the file is made before anything is measured
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
