// The survey's costs: a live fix stored with its statistics, a path file of a
// million fixes saved (temporary file, fsync, rename) and read back whole,
// and the memory one sample takes.

#include "link/MessageSink.h"
#include "profile/MemoryProfileStore.h"
#include "survey/SurveyData.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <random>
#include <unistd.h>

namespace {

constexpr uint32_t kMillion = 1'000'000;

struct QuietMessages : MessageSink {
    void ShowMessage(std::string_view, std::string_view, MessageIcon) override {}
};

// A survey of its own, with every setting at its default.
struct Survey {
    MemoryProfileStore profile;
    TruthPosition truth{};
    QuietMessages messages;
    SurveyData data{profile, truth, messages};
};

// Fixes of a receiver standing still: metre noise, DOPs that pass and fail.
std::vector<SurveySample> Fixes(size_t n) {
    std::mt19937_64 random(1);
    std::normal_distribution<double> noise(0, 1e-5);
    std::uniform_int_distribution<int> dop(5, 40);
    std::vector<SurveySample> fixes(n);
    for (SurveySample& s : fixes)
        s = {48.1173 + noise(random),
             11.5167 + noise(random),
             592.3 + 1e5 * noise(random),
             static_cast<uint16_t>(dop(random)),
             1,
             3,
             static_cast<uint16_t>(dop(random)),
             static_cast<uint16_t>(dop(random)),
             4.5};
    return fixes;
}

std::string TempPath() {
    return "/tmp/hv-survey-bench-" + std::to_string(::getpid()) + ".pth";
}

void AddPosition(benchmark::State& state) {
    const std::vector<SurveySample> fixes = Fixes(4096);
    auto survey = std::make_unique<Survey>();
    size_t i = 0;
    for (auto _ : state) {
        survey->data.AddPosition(fixes[i++ % fixes.size()]);
        if (survey->data.SampleCount() == 10 * kMillion) {
            state.PauseTiming();
            survey = std::make_unique<Survey>();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(AddPosition);

void SaveMillion(benchmark::State& state) {
    Survey survey;
    for (const SurveySample& s : Fixes(kMillion))
        survey.data.AddPosition(s);
    const std::string path = TempPath();
    std::string error;
    for (auto _ : state)
        if (!survey.data.Save(path, nullptr, error)) state.SkipWithError(error.c_str());
    std::remove(path.c_str());
}
BENCHMARK(SaveMillion)->Unit(benchmark::kMillisecond)->Iterations(5);

void LoadMillion(benchmark::State& state) {
    const std::string path = TempPath();
    std::string error;
    {
        Survey written;
        for (const SurveySample& s : Fixes(kMillion))
            written.data.AddPosition(s);
        written.data.Save(path, nullptr, error);
    }
    Survey survey;
    for (auto _ : state)
        if (!survey.data.Open(path, nullptr, nullptr, error)) state.SkipWithError(error.c_str());
    std::remove(path.c_str());
}
BENCHMARK(LoadMillion)->Unit(benchmark::kMillisecond)->Iterations(5);

long ResidentBytes() {
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * ::sysconf(_SC_PAGESIZE);
}

// What a million stored fixes add to the process, statistics included.
void MemoryPerSample(benchmark::State& state) {
    const std::vector<SurveySample> fixes = Fixes(4096);
    for (auto _ : state) {
        const long before = ResidentBytes();
        Survey survey;
        for (uint32_t i = 0; i < kMillion; ++i)
            survey.data.AddPosition(fixes[i % fixes.size()]);
        state.counters["bytes/sample"] = static_cast<double>(ResidentBytes() - before) / kMillion;
        state.counters["held/sample"] =
            static_cast<double>(survey.data.Samples().BytesHeld()) / kMillion;
    }
}
BENCHMARK(MemoryPerSample)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
