#include "config/ReceiverReset.h"
#include "link/ReceiveThread.h"
#include "link/ReceiverPort.h"
#include "nmea/DecodeSettings.h"
#include "nmea/ReceiverState.h"
#include "support/RecordingMessages.h"
#include "support/SimProcess.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace std::chrono_literals;

struct CountingProgress : ResetProgress {
    void Begin() override { ++begun; }
    void Step() override { ++steps; }
    bool Cancelled() override { return cancelAfterSteps >= 0 && steps >= cancelAfterSteps; }
    int begun = 0, steps = 0, cancelAfterSteps = -1;
};

// A receiver on its link with the receive thread running, as in the program.
struct LiveReceiver {
    explicit LiveReceiver(std::vector<std::string> options) {
        link = std::filesystem::temp_directory_path() / ("hv-reset-" + std::to_string(getpid()));
        options.insert(options.end(), {"--link", link.string()});
        sim = std::make_unique<SimProcess>(options);
        EXPECT_FALSE(sim->ReadLine().empty());
        EXPECT_EQ(port.Open(link.string(), 19200), 0);
        receiver.Start(0ms);
    }
    ~LiveReceiver() { receiver.Stop(); }

    std::filesystem::path link;
    std::unique_ptr<SimProcess> sim;
    ReceiverState state;
    DecodeSettings decode;
    RecordingMessages messages;
    CReceiverPort port{messages};
    ReceiveThread receiver{state, port, decode, messages};
};

// The restart burst is seen through the framed sentences, and still decoded:
// its notices are in the state and the fix was cleared.
TEST(ReceiverReset, WaitsThroughTheRestartBurstWhileDecodingGoesOn) {
    LiveReceiver live({"--seed", "4"});
    ASSERT_TRUE([&] {
        for (int i = 0; i < 100 && live.state.GetFixMode() < 2; ++i)
            std::this_thread::sleep_for(50ms);
        return live.state.GetFixMode() >= 2;
    }());
    CountingProgress progress;
    const ResetOutcome outcome =
        ResetReceiver(ResetKind::Warm, live.port, live.receiver, live.state, progress);
    EXPECT_TRUE(outcome.written);
    EXPECT_TRUE(outcome.restarted);
    EXPECT_EQ(progress.begun, 1);
    EXPECT_EQ(progress.steps, outcome.notices - 1);
    int notices = 0;
    for (int prn = 1; prn <= 32; ++prn)
        notices += live.state.GetEphemerisNotice(prn) + live.state.GetAlmanacNotice(prn);
    EXPECT_GT(notices, 0);
    EXPECT_LT(live.state.GetFixMode(), 2) << "a warm restart has no fix yet";
    EXPECT_TRUE(live.messages.All().empty());
}

// Without a notice the wait ends at its limit; Cancel ends it at once.
TEST(ReceiverReset, SilentReceiverAndCancelEndTheWait) {
    LiveReceiver live({"--seed", "4", "--no-polyn"});
    CountingProgress progress;
    ResetTiming timing;
    timing.firstNotice = 600ms;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(
        ResetReceiver(ResetKind::Hot, live.port, live.receiver, live.state, progress, timing)
            .restarted);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 600ms);

    CountingProgress cancelling;
    cancelling.cancelAfterSteps = 0;
    EXPECT_FALSE(
        ResetReceiver(ResetKind::Cold, live.port, live.receiver, live.state, cancelling).restarted);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 3s) << "Cancel did not end the wait";
}

} // namespace
