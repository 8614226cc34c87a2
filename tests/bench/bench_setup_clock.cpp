// The clock window showing the meter's running clock: a "G" exchange every 200 ms, driven by
// the port's arrivals and the link's alarm. Goal: the program stays under 2 % of a core meanwhile,
// and the window keeps answering (its own timers and clicks run between the exchanges).
#include <sys/resource.h>

#include <QElapsedTimer>
#include <QTimer>

#include "bench/BenchData.h"
#include "core/AppState.h"
#include "core/link/MeterLink.h"
#include "core/link/SteadyClock.h"
#include "sim/SimSerialPort.h"
#include "ui/memory/Setup.h"

namespace {

using namespace montira;

double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

void BM_SetupShowingTheMeterClock(benchmark::State& st) {
    for (auto _ : st) {
        SteadyClock clock;
        sim::SimMeter meter;
        sim::SimSerialPort port(meter, clock);
        port.open();
        AppState state;
        state.link.MeterOnline = true;
        MeterLink link(port, clock, state.link);
        Setup w(state, link);
        w.show();
        w.clickMeterTime();
        w.clickPCTime();

        // A timer of the main window that must keep firing while the exchanges run.
        int panelTicks = 0;
        QTimer panel;
        panel.setInterval(100);
        QObject::connect(&panel, &QTimer::timeout, [&] { ++panelTicks; });
        panel.start();

        QElapsedTimer wall;
        wall.start();
        const double cpu0 = CpuSeconds();
        QTimer::singleShot(5000, &w, [&] { w.done(0); });
        w.exec();
        const double cpu = CpuSeconds() - cpu0;
        const double seconds = wall.elapsed() / 1000.0;
        st.SetIterationTime(seconds);
        st.counters["cpu_percent"] = 100.0 * cpu / seconds;
        st.counters["clock_reads"] = meter.commandLog().count('G');
        st.counters["panel_ticks"] = panelTicks;
    }
}
BENCHMARK(BM_SetupShowingTheMeterClock)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
    return montira::bench::RunBenchmarks(argc, argv);
}
