// The logger memory at its largest:
//  - a full logger (126,207 bytes in use) downloaded over a pseudo-terminal from the
//    simulated meter that paces its bytes at 19200 baud; compared with the wire time of its
//    bytes (10 bits each). The goal: at most the wire time + 2 % + 0.5 s.
//  - the largest set that fits in the logger decoded into the downloaded-data list
//    (goal: under 0.3 s).

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "bench/BenchData.h"
#include "core/AppState.h"
#include "core/link/QtSerialPort.h"
#include "core/link/SteadyClock.h"
#include "core/link/VirtualClock.h"
#include "core/memory/LoggerDownload.h"
#include "core/meter/LiveFrame.h"
#include "sim/PtyMeter.h"
#include "sim/SimSerialPort.h"
#include "support/LoggerBytes.h"
#include "ui/memory/SetToDataList.h"

namespace {

using namespace montira;

constexpr int kFullLogger = 126207;

void BM_FullLoggerDownloadAt19200(benchmark::State& st) {
    for (auto _ : st) {
        sim::PtyMeter pty;
        pty.meter().fillLogger(kFullLogger);
        pty.meter().faults().pacedAt19200 = true;
        const qint64 dumpBytes = pty.meter().loggerDump().size();
        QString error;
        if (!pty.start(&error)) {
            st.SkipWithError(qPrintable(error));
            return;
        }
        QtSerialPort port(pty.slavePath());
        if (port.open() != OpenOutcome::Opened) {
            st.SkipWithError("cannot open the pseudo-terminal");
            return;
        }
        SteadyClock clock;
        AppState state;
        MeterLink link(port, clock, state.link);
        {
            // The meter is transmitting its frames.
            QEventLoop settle;
            QTimer::singleShot(300, &settle, &QEventLoop::quit);
            settle.exec();
        }
        state.link.MeterOnline = true;
        LoggerMemory memory;
        DownloadLogger download(state.link, memory);
        QEventLoop loop;
        QElapsedTimer t;
        t.start();
        if (!link.run(download, [&loop] { loop.quit(); })) {
            st.SkipWithError("the link refused the download");
            return;
        }
        loop.exec();
        const DownloadOutcome outcome = download.outcome();
        const double seconds = t.nsecsElapsed() / 1e9;
        st.SetIterationTime(seconds);
        if (outcome != DownloadOutcome::Done || memory.MemoryDump.size() != dumpBytes) {
            st.SkipWithError("download incomplete");
            return;
        }
        const double wire = dumpBytes * 10.0 / 19200.0;
        st.counters["bytes"] = double(dumpBytes);
        st.counters["wire_s"] = wire;
        st.counters["limit_s"] = wire * 1.02 + 0.5;
        st.counters["took_s"] = seconds;
        st.counters["over_wire_s"] = seconds - wire;
        st.counters["sets"] = double(memory.sets.size());
    }
}
BENCHMARK(BM_FullLoggerDownloadAt19200)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

// One set filling the whole logger: 15,517 records.
LoggerMemory LargestSet() {
    test::SetBytes set;
    set.intervalSec = 2;
    set.offsetA = 20;
    set.offsetB = 10;
    for (int i = 0; i < (kFullLogger - 2048 - 16) / 8; ++i)
        set.records.push_back({uint16_t(8100 + i % 700), uint16_t(7600 + i % 500),
                               uint16_t(7100 + i % 300), uint16_t(1000 + i % 400)});
    LoggerMemory m;
    m.MemoryDump = set.bytes();
    m.MemorySetCount = 1;
    m.sets = SplitSets(m.MemoryDump, 1);
    return m;
}

void BM_DecodeLargestSetIntoDataList(benchmark::State& st) {
    const LoggerMemory memory = LargestSet();
    AppState state;
    sim::SimMeter meter;
    DecodeLiveFrame(ToLiveFrame(meter.currentFrame()), state.live);
    VirtualClock clock;
    sim::SimSerialPort port(meter, clock);
    MeterLink link(port, clock, state.link);
    for (auto _ : st) {
        QElapsedTimer t;
        t.start();
        QPointer<DataList> list = OpenSetInDataList(state, memory, 1, nullptr, link);
        QCoreApplication::processEvents();  // the list shows its rows
        st.SetIterationTime(t.nsecsElapsed() / 1e9);
        if (!list || list->modelC()->rowCount() != memory.sets[0].SetRecords) {
            st.SkipWithError("set not decoded");
            return;
        }
        st.counters["records"] = list->modelC()->rowCount();
        delete list.data();
    }
}
BENCHMARK(BM_DecodeLargestSetIntoDataList)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return montira::bench::RunBenchmarks(argc, argv);
}
