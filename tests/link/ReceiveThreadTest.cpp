#include "link/ReceiveThread.h"
#include "link/ReceiverPort.h"
#include "nmea/NmeaChecksum.h"
#include "support/Files.h"
#include "support/Pty.h"
#include "support/Recorders.h"
#include "support/RecordingMessages.h"
#include "support/Wait.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <thread>

namespace {

using namespace std::chrono_literals;

const std::string kGga =
    NmeaSentence("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");

class ReceiveThreadTest : public testing::Test {
protected:
    ReceiverState state;
    DecodeSettings decode;
    RecordingMessages messages;
    CReceiverPort port{messages};
    ReceiveThread receive{state, port, decode, messages};
};

// Between Pause() returning and Resume() not one byte is read, even by a pass
// that saw "not paused" just before Pause(): the second thread stands in for
// such late passes. Bytes sent meanwhile wait in the line.
TEST_F(ReceiveThreadTest, NoByteIsReadBetweenPauseAndResume) {
    TestPty pty;
    ASSERT_EQ(port.Open(pty.Path(), 19200), 0);
    receive.Settings().port = pty.Path();
    receive.Start(0ms);
    std::atomic<bool> done{false};
    std::thread writer([&] {
        for (; !done; std::this_thread::sleep_for(1ms))
            pty.Send(kGga);
    });
    std::thread latePasses([&] {
        for (; !done; std::this_thread::yield())
            receive.ProcessReceivedData();
    });
    int readWhilePaused = 0;
    for (int i = 0; i < 100; ++i) {
        receive.Pause();
        const unsigned before = state.GetSentenceCount();
        std::this_thread::sleep_for(2ms);
        readWhilePaused += state.GetSentenceCount() != before;
        receive.Resume();
        std::this_thread::sleep_for(2ms);
    }
    done = true;
    writer.join();
    latePasses.join();
    EXPECT_EQ(readWhilePaused, 0);
    EXPECT_GT(state.GetSentenceCount(), 50u);

    receive.Pause();
    const unsigned paused = state.GetSentenceCount();
    pty.Send(kGga);
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(state.GetSentenceCount(), paused);
    receive.Resume();
    EXPECT_TRUE(WaitFor([&] { return state.GetSentenceCount() > paused; }));
}

// One pass at a time over network text and a capture file (the pass is the
// same for every source). A debug monitor shows and logs the raw text without
// decoding it; the log goes on when the source changes, and one that cannot be
// written stops, is reported once, and decoding goes on (what the framer logs:
// its own tests). Then Stop is prompt even during the start delay.
TEST_F(ReceiveThreadTest, PassesFrameShowRawAndLogAcrossSourcesAndStopIsPrompt) {
    receive.Settings().port = " 99999 "; // the profile's spaces do not matter
    RecordingMonitor monitor;
    receive.SetMonitor(&monitor);
    receive.SetNetworkText("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
    receive.ProcessReceivedData();
    EXPECT_EQ(state.GetFixQuality(), 1);
    EXPECT_EQ(monitor.texts.front(), ""); // the pass always announces itself
    // A second pass finds the text taken.
    receive.ProcessReceivedData();
    EXPECT_EQ(state.GetSentenceCount(), 1u);

    receive.SetNetworkText(std::string(20000, 'x'));
    receive.ProcessReceivedData(); // at most 12999 characters are taken; no crash, no sentence

    struct DebugMonitor : RecordingMonitor {
        bool DebugMode() const override { return true; }
    } debug;
    const TempFile log("log"), capture("capture", NmeaSentence("GPTXT,from file"));
    ASSERT_TRUE(receive.Log().Create(log.path));
    receive.SetMonitor(&debug);
    const std::string raw = std::string(1, '\x1e') + "ABC" + kGga + "\r";
    receive.SetNetworkText(raw.substr(0, raw.size() - 1));
    receive.ProcessReceivedData();
    EXPECT_EQ(debug.All(), raw); // not decoded: the count at the end says so

    receive.SetMonitor(&monitor);
    ASSERT_EQ(port.OpenDemoFile(capture.path), 0);
    receive.Settings().demoMode = 1;
    receive.ProcessReceivedData();
    EXPECT_EQ(ReadFile(log.path), raw + NmeaSentence("GPTXT,from file"));

    ASSERT_TRUE(receive.Log().Create("/dev/full"));
    receive.Settings().demoMode = 0;
    for (int pass = 0; pass < 2; ++pass) {
        receive.SetNetworkText(kGga);
        receive.ProcessReceivedData();
    }
    ASSERT_EQ(messages.All().size(), 1u);
    EXPECT_NE(messages.All()[0].text.find("/dev/full"), std::string::npos);
    EXPECT_FALSE(receive.Log().IsOpen());
    EXPECT_EQ(state.GetSentenceCount(), 4u); // the capture's and the two passes' since the first

    receive.Start(); // the full start delay
    const auto start = std::chrono::steady_clock::now();
    receive.Stop();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 200ms);
    EXPECT_EQ(state.GetThreadRunning(), 0);
}

// A capture of 300 sentences with the default pacing (100 ms after every 10)
// plays in about three seconds. A capture is never written to, and one that
// cannot be opened is reported.
TEST_F(ReceiveThreadTest, DemoPlaybackPacesAndLoops) {
    EXPECT_EQ(port.OpenDemoFile("/no/such/capture.txt"), -1);
    EXPECT_EQ(messages.All().at(0).text, "File Error!");
    EXPECT_EQ(port.CaptureFileName(), "/no/such/capture.txt");
    std::string capture;
    for (int i = 0; i < 299; ++i)
        capture += NmeaSentence("GPTXT," + std::to_string(i));
    capture += kGga;
    const TempFile file("pace", capture);
    ASSERT_EQ(port.OpenDemoFile(file.path), 0);
    EXPECT_FALSE(port.WriteString("ignored"));
    receive.Settings().demoMode = 1;
    const auto start = std::chrono::steady_clock::now();
    receive.Start(0ms);
    ASSERT_TRUE(WaitFor([&] { return state.GetSentenceCount() >= 300; }, 10s));
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_GT(took, 2500ms);
    EXPECT_LT(took, 6000ms);
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(state.GetSentenceCount(), 300u) << "without the loop, playback stops";
    EXPECT_EQ(state.GetFixQuality(), 1) << "and the state keeps the last values";

    receive.Settings().continuousLoop = 1;
    EXPECT_TRUE(WaitFor([&] { return state.GetSentenceCount() >= 320; }));
    receive.Stop();
    EXPECT_EQ(ReadFile(file.path), capture);
}

} // namespace
