// receiver-sim: a simulated GPS receiver on a pseudo-terminal, for trying
// Harrowview without hardware and for testing it against known behaviour.

#include "CommandLine.h"
#include "PtyLink.h"
#include "RunLoop.h"
#include "SimReceiver.h"
#include "SymlinkGuard.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <exception>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void OnSignal(int) {
    stopRequested = 1;
}

// No SA_RESTART: a signal wakes the loop's poll at once.
void InstallHandlers() {
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
}

uint64_t ClockSeed() {
    return static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) %
           1000000000u;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    CliOptions options;
    std::string error;
    if (!ParseCommandLine(args, options, error)) {
        std::fprintf(stderr, "receiver-sim: %s (see --help)\n", error.c_str());
        return 2;
    }
    if (options.help) {
        std::fwrite(HelpText().data(), 1, HelpText().size(), stdout);
        return 0;
    }
    if (!options.seedGiven) options.sim.seed = ClockSeed();
    options.sim.startUtc = static_cast<int64_t>(std::time(nullptr));
    InstallHandlers();

    try {
        std::FILE* loaderLog = nullptr;
        if (!options.loaderLog.empty() && !(loaderLog = std::fopen(options.loaderLog.c_str(), "w")))
            throw std::system_error(errno, std::generic_category(), options.loaderLog);
        PtyLink link;
        std::optional<SymlinkGuard> symlink;
        if (!options.link.empty()) symlink.emplace(options.link, link.SlavePath());
        std::printf("%s\n", link.SlavePath().c_str());
        std::fflush(stdout);
        std::fprintf(stderr, "receiver-sim: seed %llu, speed %gx%s%s\n",
                     static_cast<unsigned long long>(options.sim.seed), options.speed,
                     options.link.empty() ? "" : ", link ", options.link.c_str());
        SimReceiver sim(options.sim);
        RunSimulator(sim, link, {options.speed, options.verbose, loaderLog}, stopRequested);
        if (loaderLog) std::fclose(loaderLog);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "receiver-sim: %s\n", e.what());
        return 1;
    }
    return 0;
}
