// How long a fix takes from the receiver writing its GGA to the receiver
// state counting it, through the real serial code on a pseudo-terminal, and
// what the receive thread costs with a 1 Hz receiver. The simulator's model
// supplies the bytes; this program writes them at known times.
//
// Usage: link-latency [FIXES] [CPU_SECONDS]   (defaults 200 and 30)

#include "SimReceiver.h"

#include "app/MessageSink.h"
#include "link/ReceiveThread.h"
#include "link/ReceiverPort.h"
#include "nmea/DecodeSettings.h"
#include "nmea/ReceiverState.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <pty.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

struct PrintMessages : MessageSink {
    void ShowMessage(std::string_view text, std::string_view, MessageIcon) override {
        std::fprintf(stderr, "message: %.*s\n", static_cast<int>(text.size()), text.data());
    }
};

void WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n <= 0) return;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
}

double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double Percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1,
                           static_cast<size_t>(p * static_cast<double>(values.size())))];
}

} // namespace

int main(int argc, char** argv) {
    const int fixes = argc > 1 ? std::atoi(argv[1]) : 200;
    const int cpuSeconds = argc > 2 ? std::atoi(argv[2]) : 30;

    int master = -1, slave = -1;
    char name[256] = {};
    if (openpty(&master, &slave, name, nullptr, nullptr) != 0) {
        std::perror("openpty");
        return 1;
    }
    termios raw{};
    tcgetattr(slave, &raw);
    cfmakeraw(&raw);
    tcsetattr(slave, TCSANOW, &raw);

    PrintMessages messages;
    ReceiverState state;
    DecodeSettings decode;
    CReceiverPort port(messages);
    if (port.Open(name, 19200) != 0) return 1;
    ReceiveThread receive(state, port, decode, messages);
    receive.Settings().port = name;
    receive.Start(0ms);

    SimConfig config;
    SimReceiver sim(config);
    WriteAll(master, sim.Tick(2.0)); // settle: the first fixes are not timed
    std::this_thread::sleep_for(300ms);

    // Latency: one simulated second every 150 ms, the GGA written first.
    std::vector<double> latencies;
    for (int i = 0; i < fixes; ++i) {
        const std::string second = sim.Tick(1.0);
        const size_t gga = second.find("GGA,");
        const size_t end = second.find('\n', gga);
        if (gga == std::string::npos || end == std::string::npos) continue;
        const int before = state.GetPositionUpdateCount();
        WriteAll(master, std::string_view(second).substr(0, end + 1));
        const auto written = Clock::now();
        while (state.GetPositionUpdateCount() == before && Clock::now() - written < 2s)
            std::this_thread::sleep_for(100us);
        latencies.push_back(
            std::chrono::duration<double, std::milli>(Clock::now() - written).count());
        WriteAll(master, std::string_view(second).substr(end + 1));
        std::this_thread::sleep_until(written + 150ms);
    }
    std::printf("GGA to position count, %zu fixes: median %.1f ms, 95th percentile %.1f ms, "
                "max %.1f ms\n",
                latencies.size(), Percentile(latencies, 0.5), Percentile(latencies, 0.95),
                Percentile(latencies, 1.0));

    // Cost of the receive thread with a receiver at 1 Hz; this thread only
    // writes one burst a second.
    const double cpuBefore = CpuSeconds();
    const auto start = Clock::now();
    for (int s = 0; s < cpuSeconds; ++s) {
        WriteAll(master, sim.Tick(1.0));
        std::this_thread::sleep_until(start + std::chrono::seconds(s + 1));
    }
    const double cpu = CpuSeconds() - cpuBefore;
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("receive thread CPU at 1 Hz over %.0f s: %.2f %% of one core\n", wall,
                100.0 * cpu / wall);
    receive.Stop();
    close(slave);
    close(master);
    return 0;
}
