#include "link/ReceiverPort.h"
#include "support/Pty.h"
#include "support/RecordingMessages.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace {

TEST(ReceiverPort, DeviceNamesFromPortValuesAndTheNetworkPortOpensNothing) {
    for (const auto& [value, device] : {std::pair{"3", "/dev/ttyS2"},
                                        {"12", "/dev/ttyS11"},
                                        {"/dev/ttyUSB0", "/dev/ttyUSB0"},
                                        {"0", "0"}})
        EXPECT_EQ(CReceiverPort::DeviceFor(value), device);
    RecordingMessages messages;
    CReceiverPort port(messages);
    EXPECT_EQ(port.Open("99999", 19200), 0);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(messages.Count(), 0u);
}

// Each failure with its text; the handle of a file that is not a terminal
// stays open until Close, as the caller expects.
TEST(ReceiverPort, OpenFailuresAreReportedWithTheirTexts) {
    TestPty pty;
    ASSERT_TRUE(pty.Ok());
    char notATerminal[] = "/tmp/hv-not-a-tty-XXXXXX";
    close(mkstemp(notATerminal));
    RecordingMessages messages;
    CReceiverPort port(messages), holder(messages);
    ASSERT_EQ(holder.Open(pty.Path(), 19200), 0);
    const std::tuple<std::string, int, bool, std::string, std::string> cases[] = {
        {"/dev/no-such-receiver", 19200, false,
         "Communication Port Not Found!\n\nThe communications port does not exist. Check your "
         "system configuration on the status of this Communication port",
         ""},
        {notATerminal, 19200, true, "GetCommState", "Could not get comm state"},
        {pty.Path(), 19200, false,
         "Access Denied!\n\n The communications port may be in use at this time. Please choose "
         "another port or close the application using the desired port.",
         ""},
    };
    for (const auto& [path, baud, open, text, caption] : cases) {
        messages.messages.clear();
        EXPECT_EQ(port.Open(path, baud), -1) << text;
        EXPECT_EQ(port.IsOpen(), open) << text;
        ASSERT_EQ(messages.Count(), 1u) << text;
        EXPECT_EQ(messages.All()[0].text, text);
        EXPECT_EQ(messages.All()[0].caption, caption);
        EXPECT_EQ(messages.All()[0].icon, MessageIcon::Stop) << text;
        port.Close();
        EXPECT_FALSE(port.IsOpen());
    }
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_EQ(port.Open("/dev/no-such-receiver", 19200, 0, 8, 0, true), -1); // silent
    EXPECT_EQ(messages.Count(), 1u);
    holder.Close(); // the device is free again, but not at this speed
    EXPECT_EQ(port.Open(pty.Path(), 12345), -1);
    EXPECT_EQ(messages.All()[1].text, "SetCommState");
    EXPECT_EQ(messages.All()[1].caption, "Could not set communication state");
    EXPECT_EQ(port.Open(pty.Path(), 19200), 0);
    std::remove(notATerminal);
}

TEST(ReceiverPort, WritesReachTheReceiverAndReadsEndWhenTheLineIsQuiet) {
    TestPty pty;
    RecordingMessages messages;
    CReceiverPort port(messages);
    ASSERT_EQ(port.Open(pty.Path(), 115200), 0);
    port.WriteString("$PZEKQ,VERS\r\n");
    EXPECT_EQ(pty.Receive(1000), "$PZEKQ,VERS\r\n");

    char buffer[1000];
    for (const std::string piece : {"$GPGGA,1", "23519*00\r\n"}) {
        pty.Send(piece);
        const auto read = port.Read(buffer, sizeof buffer);
        EXPECT_EQ(read.status, CReceiverPort::ReadStatus::Data);
        EXPECT_EQ(std::string(buffer, read.count), piece);
    }

    // Nothing to read: the wait ends as soon as the caller no longer wants data.
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(port.Read(buffer, sizeof buffer, [] { return false; }).status,
              CReceiverPort::ReadStatus::Nothing);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));

    pty.Unplug();
    EXPECT_EQ(port.Read(buffer, sizeof buffer).status, CReceiverPort::ReadStatus::Gone);
}

TEST(ReceiverPort, DemoFileReadsToTheEndAndIsNeverWritten) {
    char name[] = "/tmp/hv-demo-XXXXXX";
    close(mkstemp(name));
    std::ofstream(name) << "$GPTXT,1\r\n";
    RecordingMessages messages;
    CReceiverPort port(messages);
    EXPECT_EQ(port.OpenDemoFile("/no/such/capture.txt"), -1);
    EXPECT_EQ(messages.All().at(0).text, "File Error!");
    EXPECT_EQ(port.CaptureFileName(), "/no/such/capture.txt");

    ASSERT_EQ(port.OpenDemoFile(name), 0);
    EXPECT_TRUE(port.IsDemoFile());
    char buffer[100];
    EXPECT_EQ(port.Read(buffer, sizeof buffer).count, 10u);
    EXPECT_EQ(port.Read(buffer, sizeof buffer).status, CReceiverPort::ReadStatus::EndOfFile);
    port.WriteString("ignored");
    port.Close();
    std::ifstream in(name);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "$GPTXT,1\r\n");
    std::remove(name);
}

} // namespace
