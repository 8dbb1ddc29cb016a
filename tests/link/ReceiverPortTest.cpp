#include "link/ReceiverPort.h"
#include "support/Files.h"
#include "support/Pty.h"
#include "support/RecordingMessages.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

TEST(ReceiverPort, DeviceNamesFromPortValuesAndTheNetworkPortOpensNothing) {
    const std::pair<const char*, const char*> cases[] = {
        {"3", "/dev/ttyS2"}, {"12", "/dev/ttyS11"}, {"/dev/ttyUSB0", "/dev/ttyUSB0"}, {"0", "0"}};
    for (const auto& [value, device] : cases)
        EXPECT_EQ(CReceiverPort::DeviceFor(value), device);
    RecordingMessages messages;
    CReceiverPort port(messages);
    EXPECT_EQ(port.Open("99999", 19200), 0);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(messages.All().size(), 0u);
}

// Each failure with its heading; the handle of a file that is not a terminal
// stays open until Close, as the caller expects.
TEST(ReceiverPort, OpenFailuresAreReportedWithTheirTexts) {
    TestPty pty;
    ASSERT_TRUE(pty.Ok());
    const TempFile notATerminal("not-a-tty");
    RecordingMessages messages;
    CReceiverPort port(messages), holder(messages);
    ASSERT_EQ(holder.Open(pty.Path(), 19200), 0);
    const std::tuple<std::string, bool, std::string, std::string> cases[] = {
        {"/dev/no-such-receiver", false, "Communication Port Not Found!\n\n", ""},
        {notATerminal.path, true, "GetCommState", "Could not get comm state"},
        {pty.Path(), false, "Access Denied!\n\n", ""},
    };
    for (const auto& [path, open, text, caption] : cases) {
        messages.messages.clear();
        EXPECT_EQ(port.Open(path, 19200), -1) << text;
        EXPECT_EQ(port.IsOpen(), open) << text;
        ASSERT_EQ(messages.All().size(), 1u) << text;
        EXPECT_EQ(messages.All()[0].text.rfind(text, 0), 0u) << messages.All()[0].text;
        EXPECT_EQ(messages.All()[0].caption, caption);
        EXPECT_EQ(messages.All()[0].icon, MessageIcon::Stop) << text;
        port.Close();
        EXPECT_FALSE(port.IsOpen());
    }
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_EQ(port.Open("/dev/no-such-receiver", 19200, 0, 8, 0, true), -1); // silent
    EXPECT_EQ(messages.All().size(), 1u);
    holder.Close(); // the device is free again, but not at this speed
    EXPECT_EQ(port.Open(pty.Path(), 12345), -1);
    EXPECT_EQ(messages.All()[1].text, "SetCommState");
    EXPECT_EQ(messages.All()[1].caption, "Could not set communication state");
    EXPECT_EQ(port.Open(pty.Path(), 19200), 0);
}

// What arrives in pieces is read whole by the receive thread's tests.
TEST(ReceiverPort, WritesReachTheReceiverAndReadsEndWhenTheLineIsQuiet) {
    TestPty pty;
    RecordingMessages messages;
    CReceiverPort port(messages);
    ASSERT_EQ(port.Open(pty.Path(), 115200), 0);
    EXPECT_TRUE(port.WriteString("$PZEKQ,VERS\r\n"));
    EXPECT_EQ(pty.Receive(1000), "$PZEKQ,VERS\r\n");

    char buffer[1000];
    pty.Send("$GPGGA,1");
    const auto read = port.Read(buffer, sizeof buffer);
    EXPECT_EQ(read.status, CReceiverPort::ReadStatus::Data);
    EXPECT_EQ(std::string(buffer, read.count), "$GPGGA,1");

    // Nothing to read: the wait ends as soon as the caller no longer wants data.
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(port.Read(buffer, sizeof buffer, [] { return false; }).status,
              CReceiverPort::ReadStatus::Nothing);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));

    pty.Unplug();
    EXPECT_EQ(port.Read(buffer, sizeof buffer).status, CReceiverPort::ReadStatus::Gone);
}

// A receiver that reads late still gets every byte, in order; one that stops
// reading makes the write fail rather than lose bytes unnoticed.
TEST(ReceiverPort, WritesWaitForASlowReceiverAndReportOneThatStopsReading) {
    TestPty pty;
    RecordingMessages messages;
    CReceiverPort port(messages);
    ASSERT_EQ(port.Open(pty.Path(), 115200), 0);
    std::string text, received;
    for (int i = 0; text.size() < 200000; ++i)
        text += std::to_string(i) + ",";
    std::thread reader([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        for (std::string part; received.size() < text.size(); received += part)
            if ((part = pty.Receive(3000)).empty()) break;
    });
    EXPECT_TRUE(port.WriteString(text));
    reader.join();
    EXPECT_EQ(received, text);
    EXPECT_FALSE(port.WriteString(text)); // nobody reads any more
}

} // namespace
