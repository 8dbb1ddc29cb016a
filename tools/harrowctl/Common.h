#pragma once

#include "link/MessageSink.h"

#include <cstdio>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

class IniProfileStore;

// What every subcommand shares: exit statuses, messages, option values.
namespace harrowctl {

constexpr int kDone = 0;
constexpr int kJobFailed = 1; // the receiver refused, a log failed part way
constexpr int kBadUsage = 2;  // bad option, input file or port

int Inspect(int argc, char** argv); // argv[0] is the subcommand's name
int Config(int argc, char** argv);
int Ttff(int argc, char** argv);
int Survey(int argc, char** argv);
int Upgrade(int argc, char** argv);

// Ctrl-C (or a TERM) from then on ends a live session with its summary
// instead of the program. No SA_RESTART: a wait for data notices at once.
void CatchInterrupts();
bool Interrupted();

// One pass over a subcommand's arguments (argv[0] is its name). "--help"
// (or "-h") prints `usage` and ends with kDone. A name in `valued` takes the
// next argument as its value, one in `flags` none; any other argument that
// starts with '-' (but "-" itself) is unknown. `take` gets each option as
// (name, value), and every other argument as ("", argument); it complains
// and returns false to end with kBadUsage. Nothing: go on.
using OptionTaker = std::function<bool(std::string_view name, const std::string& value)>;
std::optional<int> WalkOptions(int argc, char** argv,
                               std::initializer_list<std::string_view> valued,
                               std::initializer_list<std::string_view> flags,
                               void (*usage)(std::FILE*), const OptionTaker& take);

// "harrowctl: " and the text, on standard error.
void Complain(std::string_view text);

// A tool has no message boxes: what the user must see goes to standard error.
class StderrMessages : public MessageSink {
public:
    void ShowMessage(std::string_view text, std::string_view, MessageIcon) override {
        Complain(text);
    }
};

// The text as a JSON string, quotes included. Bytes that are not UTF-8 are
// taken as Latin-1, so the line stays valid JSON whatever the receiver sent.
std::string JsonString(std::string_view text);

// A speed the serial port can be set to; false (and a complaint) otherwise.
bool ParseBaud(std::string_view text, unsigned& baud);

// The receiver to talk to: --port when given, else the port of a --profile
// that was given, else nothing (the user's own profile is never guessed).
std::string ReceiverDevice(const std::string& port, const std::string& profilePath,
                           const std::string& profilePort);

// Loads --profile FILE; false (and a complaint) when it cannot be read.
bool LoadProfile(const std::string& path, IniProfileStore& profile);

} // namespace harrowctl
