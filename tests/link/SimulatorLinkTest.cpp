// The serial code against the receiver simulator on a real pseudo-terminal:
// the path a USB receiver takes, with nothing mocked.

#include "link/ReceiveThread.h"
#include "link/ReceiverPort.h"
#include "nmea/DecodeSettings.h"
#include "nmea/ReceiverState.h"
#include "support/RecordingMessages.h"
#include "support/SimProcess.h"
#include "support/Wait.h"

#include <gtest/gtest.h>

#include <memory>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

// Writing to the receiver and its replies: the port's and the framer's tests.
TEST(SimulatorLink, DecodesAndReconnectsAfterUnplugging) {
    // The stable name a USB receiver has under /dev/serial/by-id.
    const std::string link = "/tmp/hv-receiver-" + std::to_string(::getpid());
    const std::vector<std::string> args{"--speed", "4", "--seed", "11", "--link", link};
    auto sim = std::make_unique<SimProcess>(args);
    ASSERT_FALSE(sim->ReadLine().empty());

    ReceiverState state;
    DecodeSettings decode;
    RecordingMessages messages;
    CReceiverPort port(messages);
    ASSERT_EQ(port.Open(link, 19200), 0);
    ReceiveThread receive(state, port, decode, messages);
    receive.Settings().port = link;
    receive.Start(0ms);

    // The configured place, decoded: the simulator's output test.
    ASSERT_TRUE(
        WaitFor([&] { return state.GetFixMode() == 3 && state.GetSatellitesInView() > 0; }, 15s));

    // Unplugged: reported once, and the thread stays quiet while it looks for
    // the receiver again.
    EXPECT_EQ(sim->Stop(), 0);
    ASSERT_TRUE(WaitFor([&] { return messages.All().size() == 1; }, 5s));
    const double cpuBefore = ProcessCpuSeconds();
    std::this_thread::sleep_for(2500ms);
    EXPECT_LT(ProcessCpuSeconds() - cpuBefore, 0.125); // under 5 % of one core
    EXPECT_NE(messages.All()[0].text.find(link), std::string::npos);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(receive.Reconnects(), 0u);

    // Plugged in again under the same name: data flows with no one asking.
    sim = std::make_unique<SimProcess>(args);
    ASSERT_FALSE(sim->ReadLine().empty());
    const unsigned before = state.GetSentenceCount();
    EXPECT_TRUE(WaitFor([&] { return state.GetSentenceCount() > before + 5; }, 15s));
    EXPECT_EQ(receive.Reconnects(), 1u);
    EXPECT_EQ(messages.All().size(), 1u);
}

} // namespace
