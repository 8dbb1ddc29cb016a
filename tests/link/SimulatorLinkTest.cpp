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

#include <ctime>
#include <functional>

namespace {

using namespace std::chrono_literals;

TEST(SimulatorLink, DecodesRepliesRefusesSecondUserAndSurvivesUnplugging) {
    SimProcess sim({"--speed", "4", "--seed", "11", "--position", "-33.86,151.21,40"});
    const std::string path = sim.ReadLine();
    ASSERT_FALSE(path.empty());

    ReceiverState state;
    DecodeSettings decode;
    RecordingMessages messages;
    CReceiverPort port(messages);
    ASSERT_EQ(port.Open(path, 19200), 0);
    ReceiveThread receive(state, port, decode, messages);
    receive.Settings().port = path;
    receive.Start(0ms);

    ASSERT_TRUE(
        WaitFor([&] { return state.GetFixMode() == 3 && state.GetSatellitesInView() > 0; }, 15s));
    double lat = 0, lon = 0, alt = 0;
    state.GetPosition(lat, lon, alt);
    EXPECT_NEAR(lat, -33.86, 0.001);
    EXPECT_NEAR(lon, 151.21, 0.001);

    port.WriteString("$PZEKQ,VER\r\n");
    std::vector<std::string> replies;
    ASSERT_TRUE(WaitFor(
        [&] {
            for (auto& r : state.TakeReplies())
                replies.push_back(r);
            return !replies.empty();
        },
        15s));
    EXPECT_EQ(replies.front().rfind("$PZEKR,VER,", 0), 0u) << replies.front();

    CReceiverPort intruder(messages);
    EXPECT_EQ(intruder.Open(path, 19200), -1);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.All()[0].text.rfind("Access Denied!", 0), 0u);

    // Unplugged: reported once, and the thread goes quiet.
    EXPECT_EQ(sim.Stop(), 0);
    ASSERT_TRUE(WaitFor([&] { return messages.Count() == 2; }, 5s));
    const double cpuBefore = ProcessCpuSeconds();
    std::this_thread::sleep_for(2s);
    EXPECT_LT(ProcessCpuSeconds() - cpuBefore, 0.1); // under 5 % of one core
    EXPECT_EQ(messages.Count(), 2u);
    EXPECT_NE(messages.All()[1].text.find(path), std::string::npos);
    EXPECT_FALSE(port.IsOpen());

    // Another receiver, opened the way the communications dialog does it.
    SimProcess second({"--speed", "4", "--seed", "12"});
    const std::string secondPath = second.ReadLine();
    {
        auto lock = receive.LockPass();
        ASSERT_EQ(port.Open(secondPath, 19200), 0);
        receive.Settings().port = secondPath;
    }
    EXPECT_TRUE(WaitFor(
        [&] {
            state.GetPosition(lat, lon, alt);
            return lat > 48 && lat < 48.2;
        },
        15s));
}

} // namespace
