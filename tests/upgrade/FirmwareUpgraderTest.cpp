// The upgrader against receiver-sim on its pseudo-terminal, with the
// application's port and receive thread: what the receiver answers decides
// the outcome, and what the simulator's loader took must match it.

#include "upgrade/FirmwareUpgrader.h"
#include "link/ReceiveThread.h"
#include "link/ReceiverPort.h"
#include "nmea/DecodeSettings.h"
#include "nmea/ReceiverState.h"
#include "support/Files.h"
#include "support/RecordingMessages.h"
#include "support/SRecords.h"
#include "support/SimProcess.h"
#include "support/Wait.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using namespace std::chrono_literals;
namespace Text = UpgradeText;

// The receiver at 19200 baud, decoded by the receive thread, as in the program.
struct Receiver {
    explicit Receiver(std::vector<std::string> options) {
        options.insert(options.end(), {"--link", link, "--loader-log", log.path, "--speed", "4"});
        sim = std::make_unique<SimProcess>(options);
        EXPECT_FALSE(sim->ReadLine().empty());
        EXPECT_EQ(port.Open(link, 19200), 0);
        receiver.Settings().port = link;
        receiver.Start(0ms);
    }
    ~Receiver() {
        receiver.Stop();
        ::unlink(link.c_str()); // a killed simulator leaves its link behind
    }

    // The loader commands, and the records the loader took, without line ends.
    std::vector<std::string> Log(char kind) const {
        std::vector<std::string> lines;
        std::istringstream in(ReadFile(log.path));
        for (std::string line; std::getline(in, line);)
            if (line[0] == kind) lines.push_back(line);
        return lines;
    }

    TempFile log{"loader"};
    std::string link = "/tmp/hv-upgrade-" + std::to_string(getpid());
    std::unique_ptr<SimProcess> sim;
    ReceiverState state;
    DecodeSettings decode;
    RecordingMessages messages;
    CReceiverPort port{messages};
    ReceiveThread receiver{state, port, decode, messages};
};

// Short enough to keep the stalls quick, long enough for a loaded machine.
UpgradeTiming Quick() {
    UpgradeTiming t;
    t.loaderReply = t.recordReply = 2s;
    t.loaderPrompt = t.upperErase = t.lowerEraseStart = t.lowerErase = t.copy = 5s;
    return t;
}

const std::string kFirmware = FirmwareText(30, "\r\n");

std::vector<std::string> RecordLines(const std::string& text, size_t count) {
    std::vector<std::string> lines;
    for (std::string record : CheckSRecordText(text).records)
        if (lines.size() < count) lines.push_back(record.substr(0, record.find_first_of("\r\n")));
    return lines;
}

struct Case {
    std::vector<std::string> options;
    std::string_view message;
    size_t records; // taken by the receiver
    size_t commands = 1;
    std::string text = kFirmware;
};

// Runs each case on a simulator of its own; afterwards the port is open at
// its speed again and the receive thread runs.
void RunCases(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        std::string options;
        for (const std::string& option : c.options)
            options += option + " ";
        SCOPED_TRACE(options);
        Receiver r(c.options);
        FirmwareUpgrader upgrade(r.port, r.receiver, Quick());
        ASSERT_TRUE(upgrade.Start(CheckSRecordText(c.text)));
        const UpgradeOutcome outcome = upgrade.Wait();
        EXPECT_EQ(outcome.message, c.message) << outcome.detail;
        EXPECT_EQ(outcome.records, c.records);
        EXPECT_EQ(r.Log('S'), RecordLines(c.text, c.records));
        EXPECT_EQ(r.Log('$').size(), c.commands);
        EXPECT_TRUE(outcome.linkRestored);
        EXPECT_EQ(r.port.Baud(), 19200u);
        EXPECT_EQ(r.state.GetReceivePaused(), 0);
        if (!outcome.Ok()) continue;
        const unsigned before = r.state.GetSentenceCount();
        EXPECT_TRUE(WaitFor([&] { return r.state.GetSentenceCount() > before + 5; }, 10s))
            << "no decoding after the upgrade";
    }
}

TEST(FirmwareUpgrader, TheReceiversCodesDecideTheOutcome) {
    const size_t all = 32; // 30 S1, an S3 of 514 characters, S9
    RunCases({
        {{}, Text::kComplete, all},
        {{"--loader-second-form-only"}, Text::kComplete, all, 2, FirmwareText(30, "\n")},
        {{"--drop-replies"}, Text::kNoAcknowledgement, 0},
        {{"--loader-erase-fails"}, Text::kEraseFailed, 0},
        {{"--loader-code", "3@4:2"}, Text::kComplete, all},
        {{"--loader-code", "x@4"}, Text::kComplete, all}, // garbled: sent again, not taken
        {{"--loader-code", "3@4:9"}, Text::kTooManyRetries, 3},
        {{"--loader-code", "5@4"}, Text::kIncorrectFormat, 3},
        {{"--loader-code", "4@4"}, Text::kProgrammingFailed, 3},
        {{"--loader-code", "7@4"}, Text::kEndedEarly, 4},
        {{"--loader-final", "4"}, Text::kProgrammingFailed, all},
        {{"--loader-final", "Done"}, "Done", all}, // neither F nor 4: shown as it came
    });
}

TEST(FirmwareUpgrader, SilencesAndStallsAreBounded) {
    RunCases({
        {{"--loader-silence", "5:3"}, Text::kComplete, 32},
        {{"--loader-silence", "5:4"}, Text::kCommunicationsError, 4},
        {{"--loader-stall", "erase"}, Text::kCommunicationsError, 0},
        {{"--loader-stall", "era"}, Text::kCommunicationsError, 32},
        {{"--loader-stall", "exe"}, Text::kCommunicationsError, 32},
        {{"--loader-stall", "final"}, Text::kCommunicationsError, 32},
    });
}

// Cancel in the loader command's first wait sends no second form; Cancel in
// the transfer, or a receiver that goes away, ends it at once and without
// spinning, and the line is handed back (or left to the receive thread).
TEST(FirmwareUpgrader, CancelAndALostReceiverEndTheUpgrade) {
    UpgradeTiming patient = Quick();
    patient.loaderReply = patient.recordReply = 60s;
    const struct {
        std::vector<std::string> options;
        size_t taken; // before the end comes
        bool kill;
        std::string_view message;
    } cases[] = {{{"--loader-second-form-only"}, 0, false, Text::kUserQuit},
                 {{"--loader-silence", "10:9"}, 9, false, Text::kUserQuit},
                 {{"--loader-silence", "10:9"}, 9, true, Text::kCommunicationsError}};
    for (const auto& c : cases) {
        Receiver r(c.options);
        FirmwareUpgrader upgrade(r.port, r.receiver, patient);
        ASSERT_TRUE(upgrade.Start(CheckSRecordText(kFirmware)));
        // Once the loader command is out (the first case cancels in its wait).
        ASSERT_TRUE(WaitFor(
            [&] { return upgrade.Snapshot().recordsTaken == c.taken && !r.Log('$').empty(); },
            10s));
        const double cpu = ProcessCpuSeconds();
        // A receiver that goes away takes its device name with it (another
        // pseudo-terminal may take the number of the old one).
        if (c.kill) r.sim.reset(), ::unlink(r.link.c_str());
        if (!c.kill) upgrade.Cancel();
        const UpgradeOutcome outcome = upgrade.Wait();
        EXPECT_LT(ProcessCpuSeconds() - cpu, 0.5);
        EXPECT_EQ(outcome.message, c.message);
        EXPECT_EQ(outcome.records, c.taken);
        EXPECT_EQ(outcome.linkRestored, !c.kill);
        EXPECT_EQ(r.state.GetReceivePaused(), 0);
        if (!c.kill) {
            EXPECT_EQ(r.Log('$'), std::vector<std::string>{"$PZEKS,UPGM,SREC"});
        }
    }
}

} // namespace
