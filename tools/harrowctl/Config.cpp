// harrowctl config: queries, raw commands and .gps files sent to a receiver
// through the application's own port, receive thread, framer and sender; the
// receiver's replies come out as JSON lines.

#include "Common.h"

#include "app/StartupSettings.h"
#include "config/GpsConfigFile.h"
#include "config/InitStrings.h"
#include "link/ReceiveThread.h"
#include "link/ReceiverPort.h"
#include "nmea/DecodeSettings.h"
#include "nmea/ReceiverState.h"
#include "profile/IniProfileStore.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace harrowctl {
namespace {

using namespace std::chrono_literals;

void Usage(std::FILE* to) {
    std::fputs("usage: harrowctl config --port DEV [--baud N] [--profile FILE] [--wait S]\n"
               "                        [--query ITEM]... [--send TEXT]... [--apply FILE.gps]...\n"
               "Opens the receiver's port as Harrowview does (exclusive, raw 8N1), sends the\n"
               "commands in the order given, and prints every reply the receiver sends until\n"
               "S seconds after the last command, each as a JSON line\n"
               "{\"type\":\"reply\",\"text\":\"$PZEKR,...\"}.\n"
               "  --port DEV      the receiver's serial device (or pseudo-terminal)\n"
               "  --baud N        its speed (default: the profile's, else 19200)\n"
               "  --profile FILE  a Harrowview profile: the port and speed when not given,\n"
               "                  the receiver model (\"GPSModel\") and the decoding switches\n"
               "  --wait S        seconds to listen after the last command (default 2)\n"
               "  --query ITEM    sends \"$PZEKQ,ITEM\" and CR LF\n"
               "  --send TEXT     sends TEXT, with CR LF unless it ends in CR or LF\n"
               "  --apply FILE    sends every command of a .gps file in order, as the GPS\n"
               "                  Settings dialog's Apply does; a file that is not a .gps\n"
               "                  file stops everything before the port is opened\n"
               "Exit status: 0 every command went out and no reply said ERR, 1 a reply said\n"
               "ERR, 2 a bad option, file or port (a command that did not go out whole\n"
               "included).\n",
               to);
}

struct Command {
    enum class Kind { Query, Send, Apply } kind;
    std::string text; // the item, the text, or the file's name
    GpsFileRead file;
};

struct Options {
    std::string port, profile;
    std::optional<unsigned> baud;
    double waitSeconds = 2;
    std::vector<Command> commands;
};

// An argument that is to go out as one line: printable, apart from a line
// end the user put at its end.
bool PlainLine(std::string_view text) {
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n'))
        text.remove_suffix(1);
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
    return !text.empty();
}

bool ParseWait(std::string_view text, double& seconds) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (ec == std::errc() && end == text.data() + text.size() && seconds >= 0 && seconds <= 3600)
        return true;
    Complain("--wait " + std::string(text) + ": seconds from 0 to 3600");
    return false;
}

// Nothing to go on, or the exit status to end with.
std::optional<int> ParseArgs(int argc, char** argv, Options& o) {
    const auto take = [&o](std::string_view name, const std::string& value) {
        if (name == "--port") {
            o.port = value;
        } else if (name == "--baud") {
            unsigned baud = 0;
            if (!ParseBaud(value, baud)) return false;
            o.baud = baud;
        } else if (name == "--profile") {
            o.profile = value;
        } else if (name == "--wait") {
            return ParseWait(value, o.waitSeconds);
        } else if (name == "--apply") {
            o.commands.push_back({Command::Kind::Apply, value, {}});
        } else if (name == "--query" || name == "--send") {
            // A query's line end is ours to add; sent text may bring its own.
            const bool query = name == "--query";
            if (!PlainLine(value) || (query && value.find_first_of("\r\n") != value.npos)) {
                Complain(std::string(name) + " '" + value + "': not one line of printable text");
                return false;
            }
            o.commands.push_back({query ? Command::Kind::Query : Command::Kind::Send, value, {}});
        } else {
            Complain("unexpected " + value);
            return false;
        }
        return true;
    };
    return WalkOptions(argc, argv,
                       {"--port", "--baud", "--profile", "--wait", "--query", "--send", "--apply"},
                       {}, Usage, take);
}

// Whether a reply refuses: "ERR" as a field of its own ("$PZEKR,FOO,ERR,UNKNOWN").
bool SaysError(std::string_view reply) {
    for (size_t start = reply.find(','); start != std::string_view::npos;) {
        const size_t end = reply.find(',', start + 1);
        const std::string_view field = reply.substr(start + 1, end - start - 1);
        if (field.substr(0, field.find('*')) == "ERR") return true;
        start = end;
    }
    return false;
}

// Prints the replies queued since the last call, each as it came.
class ReplyPrinter {
public:
    explicit ReplyPrinter(ReceiverState& state) : state(state) {}
    void Drain() {
        for (const std::string& reply : state.TakeReplies()) {
            std::cout << "{\"type\":\"reply\",\"text\":" << JsonString(reply) << "}\n";
            refused = refused || SaysError(reply);
        }
        std::cout.flush();
    }
    bool Refused() const { return refused; }

private:
    ReceiverState& state;
    bool refused = false;
};

class StderrProgress : public InitProgress {
public:
    explicit StderrProgress(std::string_view file) : file(file) {}
    void Begin(std::string_view status, int count) override {
        Complain(std::string(status) + ": " + std::to_string(count) + " commands from " + file);
    }
    void Step() override {}

private:
    std::string file;
};

// Writes one command; false, and a complaint, unless every byte went out.
bool Send(CReceiverPort& port, const Command& command, int model) {
    if (command.kind == Command::Kind::Apply) {
        StderrProgress progress(command.text);
        const size_t sent = SendInitStrings(port, model, command.file.rawStrings, &progress);
        if (sent == static_cast<size_t>(command.file.count)) return true;
        Complain(command.text + ": only " + std::to_string(sent) + " of " +
                 std::to_string(command.file.count) + " commands went out whole");
        return false;
    }
    std::string line =
        command.kind == Command::Kind::Query ? "$PZEKQ," + command.text : command.text;
    if (!line.ends_with('\r') && !line.ends_with('\n')) line += "\r\n";
    if (port.WriteString(line)) return true;
    Complain("the port did not take all of " + command.text);
    return false;
}

} // namespace

int Config(int argc, char** argv) {
    Options options;
    if (const std::optional<int> status = ParseArgs(argc, argv, options)) {
        if (*status != kDone) Usage(stderr);
        return *status;
    }
    IniProfileStore profile;
    if (!options.profile.empty() && !LoadProfile(options.profile, profile)) return kBadUsage;
    DecodeSettings decode;
    const StartupSettings startup = ReadStartupSettings(profile, decode);
    const std::string device = ReceiverDevice(options.port, options.profile, startup.port);
    if (device.empty()) {
        Complain("--port DEV is needed (or a --profile that names the port)");
        Usage(stderr);
        return kBadUsage;
    }
    if (CReceiverPort::IsNetworkPort(device)) {
        Complain("config needs a serial device; 99999 is Harrowview's network link");
        return kBadUsage;
    }
    // Every file is read, and refused if need be, before anything is sent.
    for (Command& command : options.commands) {
        if (command.kind != Command::Kind::Apply) continue;
        command.file = ReadGpsFile(command.text);
        if (!command.file.Ok()) {
            Complain(command.file.error);
            return kBadUsage;
        }
        if (ReceiverModelName(startup.gpsModel).empty()) {
            Complain("the profile's GPSModel " + std::to_string(startup.gpsModel) +
                     " names no receiver model (0 to 4)");
            return kBadUsage;
        }
    }

    StderrMessages messages;
    CReceiverPort port(messages);
    if (port.Open(device, options.baud.value_or(static_cast<unsigned>(startup.baud))) != 0)
        return kBadUsage;
    ReceiverState state;
    ReceiveThread receive(state, port, decode, messages);
    receive.Settings().port = device;
    receive.Start(0ms); // no settling time: the port was opened just now, by us
    ReplyPrinter replies(state);

    bool allSent = true;
    for (const Command& command : options.commands) {
        allSent = Send(port, command, startup.gpsModel);
        replies.Drain();
        if (!allSent) break; // a port that refused a byte for a second takes no more
    }
    bool lost = false;
    const auto until =
        std::chrono::steady_clock::now() + std::chrono::duration<double>(options.waitSeconds);
    while (!lost && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(20ms);
        replies.Drain();
        lost = !port.IsOpen(); // the receive thread closed it: the device went away
    }
    receive.Stop();
    replies.Drain();
    if (!allSent || lost) return kBadUsage;
    return replies.Refused() ? kJobFailed : kDone;
}

} // namespace harrowctl
