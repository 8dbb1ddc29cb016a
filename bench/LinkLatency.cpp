// How long a fix takes from the receiver writing its GGA to the receiver
// state counting it, through the real serial code on a pseudo-terminal, and
// what the receive thread costs with a 1 Hz receiver. The simulator's model
// supplies the bytes; this program writes them at known times.
//
// Usage: link-latency [FIXES] [CPU_SECONDS]   (defaults 200 and 30)

#include "SimReceiver.h"

#include "LinkBench.h"
#include "link/ReceiveThread.h"
#include "link/ReceiverPort.h"
#include "nmea/DecodeSettings.h"
#include "nmea/ReceiverState.h"

#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

} // namespace

int main(int argc, char** argv) {
    const int fixes = argc > 1 ? std::atoi(argv[1]) : 200;
    const int cpuSeconds = argc > 2 ? std::atoi(argv[2]) : 30;

    RawPty pty;
    if (!pty.Ok()) return 1;

    PrintMessages messages;
    ReceiverState state;
    DecodeSettings decode;
    CReceiverPort port(messages);
    if (port.Open(pty.name, 19200) != 0) return 1;
    ReceiveThread receive(state, port, decode, messages);
    receive.Settings().port = pty.name;
    receive.Start(0ms);

    SimConfig config;
    SimReceiver sim(config);
    WriteAll(pty.master, sim.Tick(2.0)); // settle: the first fixes are not timed
    std::this_thread::sleep_for(300ms);

    // Latency: one simulated second every 150 ms, the GGA written first.
    std::vector<double> latencies;
    for (int i = 0; i < fixes; ++i) {
        const std::string second = sim.Tick(1.0);
        const size_t gga = second.find("GGA,");
        const size_t end = second.find('\n', gga);
        if (gga == std::string::npos || end == std::string::npos) continue;
        const int before = state.GetPositionUpdateCount();
        WriteAll(pty.master, std::string_view(second).substr(0, end + 1));
        const auto written = Clock::now();
        while (state.GetPositionUpdateCount() == before && Clock::now() - written < 2s)
            std::this_thread::sleep_for(100us);
        latencies.push_back(
            std::chrono::duration<double, std::milli>(Clock::now() - written).count());
        WriteAll(pty.master, std::string_view(second).substr(end + 1));
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
        WriteAll(pty.master, sim.Tick(1.0));
        std::this_thread::sleep_until(start + std::chrono::seconds(s + 1));
    }
    const double cpu = CpuSeconds() - cpuBefore;
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("receive thread CPU at 1 Hz over %.0f s: %.2f %% of one core\n", wall,
                100.0 * cpu / wall);
    receive.Stop();
    return 0;
}
