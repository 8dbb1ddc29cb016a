// harrowctl upgrade: the S-record firmware upgrade of the Firmware Upgrade
// command, headless, for a production line: the same checked file, the same
// upgrader on the application's port and receive thread.

#include "Common.h"

#include "link/ReceiveThread.h"
#include "link/ReceiverPort.h"
#include "nmea/DecodeSettings.h"
#include "nmea/ReceiverState.h"
#include "upgrade/FirmwareUpgrader.h"

#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <thread>

namespace harrowctl {
namespace {

using namespace std::chrono_literals;

void Usage(std::FILE* to) {
    std::fputs("usage: harrowctl upgrade --port DEV [--baud N] FILE.s19\n"
               "Sends a Motorola S-record firmware file to the receiver as Harrowview's\n"
               "Firmware Upgrade does: the whole file is checked first (every line an\n"
               "S-record with a good checksum, data records, a termination record last) and\n"
               "the receiver hears nothing of a file that fails; then the loader command,\n"
               "the line at 38400 baud, the erase, every record and the final flashing.\n"
               "Progress goes to standard error; at the end one JSON line\n"
               "  {\"type\":\"upgrade\",\"result\":\"Flash Upgrade Complete\",\"records\":N}\n"
               "with the failure's message as the result otherwise (\"UNKNOWN RESPONSE\" with\n"
               "the receiver's \"reply\"), a \"detail\" where there is one, and N the records\n"
               "the receiver took. Afterwards the port is left at DEV and N baud again.\n"
               "Ctrl-C ends the upgrade with \"User Quit\".\n"
               "  --port DEV   the receiver's serial device (or pseudo-terminal)\n"
               "  --baud N     its speed now (default 19200)\n"
               "Exit status: 0 \"Flash Upgrade Complete\", 1 the receiver reported a failure,\n"
               "a wait timed out or the upgrade was interrupted, 2 a bad option, a file the\n"
               "check refused, or a port that did not open.\n",
               to);
}

struct Options {
    std::string port, file;
    unsigned baud = 19200;
};

// Nothing to go on, or the exit status to end with.
std::optional<int> ParseArgs(int argc, char** argv, Options& o) {
    const auto take = [&o](std::string_view name, const std::string& value) {
        if (name == "--port") {
            o.port = value;
        } else if (name == "--baud") {
            return ParseBaud(value, o.baud);
        } else if (o.file.empty()) {
            o.file = value;
        } else {
            Complain("unexpected " + value);
            return false;
        }
        return true;
    };
    if (auto end = WalkOptions(argc, argv, {"--port", "--baud"}, {}, Usage, take)) return end;
    if (o.port.empty() || o.file.empty()) {
        Complain("--port DEV and a firmware file are needed");
        return kBadUsage;
    }
    return std::nullopt;
}

// The port's own message goes to standard error; its first line is the result.
class PortMessages : public StderrMessages {
public:
    void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) override {
        if (first.empty()) first = text.substr(0, text.find('\n'));
        StderrMessages::ShowMessage(text, caption, icon);
    }
    std::string first;
};

int Report(const UpgradeOutcome& outcome) {
    const bool unknown = outcome.result == UpgradeResult::UnknownResponse;
    if (!outcome.Ok())
        Complain(std::string(outcome.caption) + ": " + outcome.message +
                 (outcome.detail.empty() ? "" : " (" + outcome.detail + ")"));
    std::cout << "{\"type\":\"upgrade\",\"result\":"
              << JsonString(unknown ? UpgradeText::kCaptionUnknown : outcome.message);
    if (unknown) std::cout << ",\"reply\":" << JsonString(outcome.message);
    if (!outcome.detail.empty()) std::cout << ",\"detail\":" << JsonString(outcome.detail);
    std::cout << ",\"records\":" << outcome.records << "}" << std::endl;
    if (outcome.Ok()) return kDone;
    return outcome.result == UpgradeResult::Refused ? kBadUsage : kJobFailed;
}

// Each new stage, and the records every tenth of the way.
class ProgressPrinter {
public:
    void Show(const UpgradeProgress& p) {
        if (p.status != status) {
            status = p.status;
            Complain(status);
        }
        if (p.percent / 10 != tenths && p.recordsTaken > 0) {
            tenths = p.percent / 10;
            Complain(std::to_string(p.percent) + "% (" + std::to_string(p.recordsTaken) + " of " +
                     std::to_string(p.recordsTotal) + " records)");
        }
    }

private:
    std::string status;
    int tenths = 0;
};

} // namespace

int Upgrade(int argc, char** argv) {
    Options options;
    if (const std::optional<int> status = ParseArgs(argc, argv, options)) {
        if (*status != kDone) Usage(stderr);
        return *status;
    }
    // The file is checked before the port is touched.
    SRecordImage image = ReadSRecordFile(options.file);
    if (!image.Ok()) {
        UpgradeOutcome refused;
        refused.result = UpgradeResult::Refused;
        refused.caption = UpgradeText::kCaptionError;
        refused.message = image.error;
        refused.detail = image.detail;
        return Report(refused);
    }
    PortMessages messages;
    CReceiverPort port(messages);
    if (CReceiverPort::IsNetworkPort(options.port) || port.Open(options.port, options.baud) != 0) {
        UpgradeOutcome refused;
        refused.result = UpgradeResult::Refused;
        refused.caption = UpgradeText::kCaptionError;
        refused.message =
            messages.first.empty() ? std::string(UpgradeText::kNoPort) : messages.first;
        refused.detail = options.port + " at " + std::to_string(options.baud) + " baud";
        return Report(refused);
    }
    ReceiverState state;
    DecodeSettings decode;
    ReceiveThread receive(state, port, decode, messages);
    receive.Settings().port = options.port;
    receive.Start(0ms);
    CatchInterrupts();

    FirmwareUpgrader upgrade(port, receive);
    upgrade.Start(std::move(image));
    ProgressPrinter printer;
    for (UpgradeProgress p = upgrade.Snapshot(); !p.finished; p = upgrade.Snapshot()) {
        printer.Show(p);
        if (Interrupted()) upgrade.Cancel();
        std::this_thread::sleep_for(100ms);
    }
    const UpgradeOutcome outcome = upgrade.Wait();
    receive.Stop();
    return Report(outcome);
}

} // namespace harrowctl
