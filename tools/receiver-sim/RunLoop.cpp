#include "RunLoop.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kMaxWaitMs = 100;     // how long a signal may wait to be seen
constexpr double kMaxCatchUp = 1.0; // real seconds simulated at once after a stall

void LogInput(std::string_view bytes) {
    std::string shown;
    for (char c : bytes) {
        if (c == '\r') continue;
        if (c == '\n' || (c >= ' ' && c < 127)) {
            shown += c;
        } else {
            shown += '.';
        }
    }
    std::fprintf(stderr, "receiver-sim: <- %s%s", shown.c_str(), shown.ends_with('\n') ? "" : "\n");
}

} // namespace

void RunSimulator(SimReceiver& sim, PtyLink& link, const RunSettings& settings,
                  const volatile std::sig_atomic_t& stop) {
    auto last = Clock::now();
    bool hadClient = false;
    while (!stop) {
        const double realToNext = sim.SecondsToNextOutput() / settings.speed;
        const int waitMs =
            std::clamp(static_cast<int>(std::ceil(realToNext * 1000)), 1, kMaxWaitMs);
        const std::string input = link.Receive(waitMs);

        const auto now = Clock::now();
        const double real =
            std::min(std::chrono::duration<double>(now - last).count(), kMaxCatchUp);
        last = now;
        sim.SetLineBaud(link.ClientBaud());
        link.Send(sim.Tick(real * settings.speed));
        if (!input.empty()) {
            if (settings.verbose) LogInput(input);
            link.Send(sim.OnInput(input));
        }
        if (const std::string taken = sim.TakeLoaderLog(); settings.loaderLog && !taken.empty()) {
            std::fwrite(taken.data(), 1, taken.size(), settings.loaderLog);
            std::fflush(settings.loaderLog);
        }
        if (settings.verbose && hadClient != link.ClientPresent()) {
            std::fprintf(stderr, "receiver-sim: client %s\n",
                         link.ClientPresent() ? "connected" : "gone");
        }
        hadClient = link.ClientPresent();
    }
}
