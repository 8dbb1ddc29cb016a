// Framing and decoding throughput, and the cost of the accessors the windows
// poll. `nmea-bench --write-inputs DIR` writes the inputs as files instead,
// for timing other decoders on the same bytes.

#include "BenchInputs.h"

#include "nmea/DecodeSettings.h"
#include "nmea/EchoSinks.h"
#include "nmea/NmeaFramer.h"
#include "nmea/ReceiverState.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <fstream>

#ifndef HV_CORPUS_DIR
#define HV_CORPUS_DIR "../shared/nmea-corpus"
#endif

namespace {

constexpr size_t kChunk = 1000; // one read of the receive thread

struct NullMonitor : MonitorSink {
    size_t bytes = 0;
    void AppendText(std::string_view text, int) override { bytes += text.size(); }
};

void FeedAll(benchmark::State& bench, const std::string& input, bool echo) {
    if (input.empty()) {
        bench.SkipWithError("capture corpus not found");
        return;
    }
    DecodeSettings settings;
    settings.useRMC = 1;
    ReceiverState state;
    NmeaFramer framer(state, settings);
    NullMonitor monitor;
    if (echo) framer.SetMonitor(&monitor);
    for (auto _ : bench)
        for (size_t at = 0; at < input.size(); at += kChunk)
            framer.Feed(std::string_view(input).substr(at, kChunk));
    benchmark::DoNotOptimize(monitor.bytes);
    bench.SetBytesProcessed(static_cast<int64_t>(bench.iterations() * input.size()));
    bench.counters["sentences/s"] = benchmark::Counter(
        static_cast<double>(state.GetSentenceCount()), benchmark::Counter::kIsRate);
}

void OneHertzMix(benchmark::State& bench) {
    static const std::string input = MakeOneHertzMix(3600);
    FeedAll(bench, input, false);
}
BENCHMARK(OneHertzMix)->Unit(benchmark::kMillisecond);

void OneHertzMixWithMonitorEcho(benchmark::State& bench) {
    static const std::string input = MakeOneHertzMix(3600);
    FeedAll(bench, input, true);
}
BENCHMARK(OneHertzMixWithMonitorEcho)->Unit(benchmark::kMillisecond);

void CorpusConcatenated(benchmark::State& bench) {
    static const std::string input = LoadCorpus(HV_CORPUS_DIR);
    FeedAll(bench, input, false);
}
BENCHMARK(CorpusConcatenated)->Unit(benchmark::kMillisecond);

// A state filled by a minute of receiver output, as the windows see it.
ReceiverState& FilledState() {
    static ReceiverState state;
    static const bool filled = [] {
        DecodeSettings settings;
        NmeaFramer framer(state, settings);
        framer.Feed(MakeOneHertzMix(60));
        return true;
    }();
    (void)filled;
    return state;
}

void CopySatelliteTableCall(benchmark::State& bench) {
    ReceiverState& state = FilledState();
    SatelliteTable table;
    for (auto _ : bench) {
        state.CopySatelliteTable(table);
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(CopySatelliteTableCall);

// What the navigation panel reads on each tick.
void NavigationAccessors(benchmark::State& bench) {
    ReceiverState& state = FilledState();
    double lat, lon, alt, speed, heading, drift;
    int h, m, s;
    for (auto _ : bench) {
        state.GetPosition(lat, lon, alt);
        state.GetSpeed(speed);
        state.GetHeading(heading);
        state.GetFixTime(h, m, s);
        state.GetClockDrift(drift);
        benchmark::DoNotOptimize(lat + lon + alt + speed + heading + drift + h + m + s);
    }
    bench.counters["calls"] = 5;
}
BENCHMARK(NavigationAccessors);

bool WriteInputs(const std::string& directory) {
    std::ofstream(directory + "/one-hertz-mix.nmea", std::ios::binary) << MakeOneHertzMix(3600);
    std::ofstream(directory + "/corpus.nmea", std::ios::binary) << LoadCorpus(HV_CORPUS_DIR);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--write-inputs") == 0)
        return WriteInputs(argv[2]) ? 0 : 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
