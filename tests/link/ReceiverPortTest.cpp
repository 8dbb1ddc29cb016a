#include "link/ReceiverPort.h"
#include "support/Pty.h"
#include "support/RecordingMessages.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace {

const std::string kInUse = "\n\n The communications port may be in use at this time. Please "
                           "choose another port or close the application using the desired port.";

TEST(ReceiverPort, DeviceNamesFromPortValues) {
    EXPECT_EQ(CReceiverPort::DeviceFor("3"), "/dev/ttyS2");
    EXPECT_EQ(CReceiverPort::DeviceFor("12"), "/dev/ttyS11");
    EXPECT_EQ(CReceiverPort::DeviceFor("/dev/ttyUSB0"), "/dev/ttyUSB0");
    EXPECT_EQ(CReceiverPort::DeviceFor("0"), "0");
}

TEST(ReceiverPort, NetworkPortOpensNothing) {
    RecordingMessages messages;
    CReceiverPort port(messages);
    EXPECT_EQ(port.Open("99999", 19200), 0);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(messages.Count(), 0u);
}

TEST(ReceiverPort, OpenFailuresAreReportedWithTheirTexts) {
    RecordingMessages messages;
    CReceiverPort port(messages);
    EXPECT_EQ(port.Open("/dev/no-such-receiver", 19200), -1);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.Open("/dev/no-such-receiver", 19200, 0, 8, 0, true), -1); // silent
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.All()[0].text,
              "Communication Port Not Found!\n\nThe communications port does not exist. Check "
              "your system configuration on the status of this Communication port");
    EXPECT_EQ(messages.All()[0].icon, MessageIcon::Stop);

    // Not a terminal: the handle stays open until Close, as the caller expects.
    char name[] = "/tmp/hv-not-a-tty-XXXXXX";
    close(mkstemp(name));
    EXPECT_EQ(port.Open(name, 19200), -1);
    EXPECT_TRUE(port.IsOpen());
    EXPECT_EQ(messages.All()[1].text, "GetCommState");
    EXPECT_EQ(messages.All()[1].caption, "Could not get comm state");
    EXPECT_EQ(messages.beeps, 1);
    port.Close();
    EXPECT_FALSE(port.IsOpen());
    std::remove(name);
}

TEST(ReceiverPort, ASecondOpenOfTheSameDeviceIsRefused) {
    TestPty pty;
    ASSERT_TRUE(pty.Ok());
    RecordingMessages messages;
    CReceiverPort first(messages), second(messages);
    ASSERT_EQ(first.Open(pty.Path(), 19200), 0);
    EXPECT_EQ(second.Open(pty.Path(), 19200), -1);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.All()[0].text, "Access Denied!" + kInUse);
    first.Close();
    EXPECT_EQ(second.Open(pty.Path(), 19200), 0); // free again
}

TEST(ReceiverPort, UnsupportedSpeedIsASetCommStateFailure) {
    TestPty pty;
    RecordingMessages messages;
    CReceiverPort port(messages);
    EXPECT_EQ(port.Open(pty.Path(), 12345), -1);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.All()[0].text, "SetCommState");
    EXPECT_EQ(messages.All()[0].caption, "Could not set communication state");
}

TEST(ReceiverPort, WritesReachTheReceiverAndReadsEndWhenTheLineIsQuiet) {
    TestPty pty;
    RecordingMessages messages;
    CReceiverPort port(messages);
    ASSERT_EQ(port.Open(pty.Path(), 115200), 0);
    port.WriteString("$PZEKQ,VERS\r\n");
    EXPECT_EQ(pty.Receive(1000), "$PZEKQ,VERS\r\n");

    char buffer[1000];
    pty.Send("$GPGGA,1");
    const auto first = port.Read(buffer, sizeof buffer);
    EXPECT_EQ(first.status, CReceiverPort::ReadStatus::Data);
    EXPECT_EQ(std::string(buffer, first.count), "$GPGGA,1");
    pty.Send("23519*00\r\n");
    const auto second = port.Read(buffer, sizeof buffer);
    EXPECT_EQ(std::string(buffer, second.count), "23519*00\r\n");

    // Nothing to read: the wait ends as soon as the caller no longer wants data.
    const auto start = std::chrono::steady_clock::now();
    const auto none = port.Read(buffer, sizeof buffer, [] { return false; });
    EXPECT_EQ(none.status, CReceiverPort::ReadStatus::Nothing);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));

    pty.Unplug();
    EXPECT_EQ(port.Read(buffer, sizeof buffer).status, CReceiverPort::ReadStatus::Gone);
}

TEST(ReceiverPort, DemoFileReadsToTheEndAndRewinds) {
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
    port.Rewind();
    EXPECT_EQ(port.Read(buffer, sizeof buffer).count, 10u);
    port.WriteString("ignored"); // a capture file is never written
    port.Close();
    std::ifstream in(name);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "$GPTXT,1\r\n");
    std::remove(name);
}

} // namespace
