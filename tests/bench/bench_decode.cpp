// Decoding speed: live frames and stored records per second.
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <vector>

#include "core/meter/LiveFrame.h"
#include "sim/SimMeter.h"

using namespace montira;

namespace {

// A minute of frames from the simulated meter (drifting values, varying air speed).
std::vector<LiveFrame> Frames() {
    sim::SimMeter meter;
    std::vector<LiveFrame> frames;
    for (qint64 t = 0; frames.size() < 240; t += 50) {
        meter.advanceTo(t);
        QByteArray b = meter.take();
        while (b.size() >= kLiveFrameLength) {
            frames.push_back(ToLiveFrame(b));
            b.remove(0, kLiveFrameLength);
        }
    }
    return frames;
}

void BM_DecodeLiveFrame(benchmark::State& state) {
    const std::vector<LiveFrame> frames = Frames();
    LiveState st;
    size_t i = 0;
    for (auto _ : state) {
        DecodeLiveFrame(frames[i], st);
        benchmark::DoNotOptimize(st.reading.WindChillText);
        if (++i == frames.size()) i = 0;
    }
    state.counters["frames/s"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DecodeLiveFrame);

void BM_DecodeStoredRecord(benchmark::State& state) {
    const std::vector<LiveFrame> frames = Frames();
    LiveState live;
    DecodeLiveFrame(frames[0], live);
    Reading r;
    int k = 0;
    for (auto _ : state) {
        const int g = 5100 + 3000 + k % 400, d = 5100 + 2500 + k % 300, w = 5100 + 2000 + k % 200;
        DecodeStoredRecord(r, live.calibration, g, d, w, 1000 + k % 200, 0.05, 0.1);
        benchmark::DoNotOptimize(r.WbgtOutdoorText);
        ++k;
    }
    state.counters["records/s"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DecodeStoredRecord);

}  // namespace

BENCHMARK_MAIN();
