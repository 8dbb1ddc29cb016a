#include "config/CommsSettings.h"
#include "link/ReceiveThread.h"
#include "link/ReceiverPort.h"
#include "nmea/DecodeSettings.h"
#include "nmea/ReceiverState.h"
#include "profile/MemoryProfileStore.h"
#include "support/Files.h"
#include "support/Pty.h"
#include "support/RecordingMessages.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

struct Link {
    ReceiverState state;
    MemoryProfileStore profile;
    RecordingMessages messages;
    DecodeSettings decode;
    CReceiverPort port{messages};
    ReceiveThread receiver{state, port, decode, messages};
    int questions = 0;
    bool answer = false;

    CommsOutcome Apply(const CommsChoice& choice) {
        CommsApplyHooks hooks;
        hooks.settle = 0ms;
        hooks.restartLog = [this] { return ++questions, answer; };
        return ApplyComms(choice, receiver, port, profile, hooks);
    }
};

// The restart question comes only when the log itself would change, and No
// leaves everything (port included) as it was.
TEST(CommsSettings, LogQuestionOnlyWhenTheLogChanges) {
    Link link;
    TestPty first, second;
    TempFile logA("comms-a"), logB("comms-b");
    CommsChoice choice = CurrentComms(link.profile, link.receiver, link.port);
    EXPECT_EQ(choice.port, "/dev/ttyS0");
    choice.port = first.Path();
    choice.logging = true;
    choice.logFile = logA.path;
    EXPECT_EQ(link.Apply(choice), CommsOutcome::Applied);
    EXPECT_EQ(link.questions, 0);
    EXPECT_EQ(link.port.DevicePath(), first.Path());
    EXPECT_EQ(link.receiver.Log().FileName(), logA.path);

    choice.port = second.Path(); // same log, other port: no question
    choice.baud = 4800;
    EXPECT_EQ(link.Apply(choice), CommsOutcome::Applied);
    EXPECT_EQ(link.questions, 0);
    EXPECT_EQ(link.port.Baud(), 4800u);
    EXPECT_EQ(link.profile.GetString("Serial Port Commmunications", "Port", ""), second.Path());
    EXPECT_EQ(link.profile.GetString("Serial Port Commmunications", "Baud", ""), "4800");

    choice.port = first.Path();
    choice.logFile = logB.path;
    EXPECT_EQ(link.Apply(choice), CommsOutcome::Declined);
    EXPECT_EQ(link.questions, 1);
    EXPECT_EQ(link.port.DevicePath(), second.Path());
    EXPECT_EQ(link.receiver.Log().FileName(), logA.path);
    link.answer = true;
    EXPECT_EQ(link.Apply(choice), CommsOutcome::Applied);
    EXPECT_EQ(link.receiver.Log().FileName(), logB.path);
    EXPECT_TRUE(link.receiver.Log().IsOpen());

    choice.logging = false;
    link.Apply(choice);
    EXPECT_FALSE(link.receiver.Log().IsOpen());
    EXPECT_TRUE(link.messages.All().empty());
}

// Demo playback replaces the port without touching the stored port; a
// capture closed in the dialog leaves nothing playing.
TEST(CommsSettings, DemoModeLeavesTheStoredPortAlone) {
    Link link;
    TempFile capture("comms-capture", "$GPGGA,1*00\r\n");
    link.profile.SetString("Serial Port Commmunications", "Port", "/dev/ttyUSB3");
    CommsChoice choice = CurrentComms(link.profile, link.receiver, link.port);
    choice.demo = true;
    choice.captureFile = capture.path;
    choice.loop = true;
    choice.waitMs = 5;
    choice.count = 2;
    EXPECT_EQ(link.Apply(choice), CommsOutcome::Applied);
    EXPECT_TRUE(link.port.IsDemoFile());
    EXPECT_EQ(link.receiver.Settings().demoMode, 1);
    EXPECT_EQ(link.receiver.Settings().continuousLoop, 1);
    EXPECT_EQ(link.receiver.Settings().demoWaitMs, 5);
    EXPECT_EQ(link.profile.GetString("Serial Port Commmunications", "Port", ""), "/dev/ttyUSB3");
    EXPECT_EQ(link.profile.GetString("Serial Port Commmunications", "Baud", "none"), "none");

    choice.captureFile.clear();
    link.Apply(choice);
    EXPECT_FALSE(link.port.IsOpen());
}

} // namespace
