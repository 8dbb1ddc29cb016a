// harrowctl: Harrowview's command-line companion. Each subcommand runs the
// application's own core classes; results are JSON lines on standard output.

#include "Common.h"

#include "profile/IniProfileStore.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <string>

namespace harrowctl {

void Complain(std::string_view text) {
    std::fprintf(stderr, "harrowctl: %.*s\n", static_cast<int>(text.size()), text.data());
}

namespace {

// Length of the well-formed UTF-8 sequence of two or more bytes that starts
// `text`, 0 when there is none.
size_t Utf8Sequence(std::string_view text) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char c = byte(0);
    const size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 ? 2 : 0;
    if (length == 0 || c > 0xF4 || text.size() < length) return 0;
    // The second byte's range rules out overlong forms, surrogates and values
    // past U+10FFFF.
    const unsigned char low = c == 0xE0 ? 0xA0 : c == 0xF0 ? 0x90 : 0x80;
    const unsigned char high = c == 0xED ? 0x9F : c == 0xF4 ? 0x8F : 0xBF;
    if (byte(1) < low || byte(1) > high) return 0;
    for (size_t k = 2; k < length; ++k)
        if ((byte(k) & 0xC0) != 0x80) return 0;
    return length;
}

} // namespace

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (const size_t length = Utf8Sequence(text.substr(i)); length > 0) {
            out.append(text.substr(i, length));
            i += length - 1;
        } else if (c == '"' || c == '\\') {
            out.append(1, '\\').append(1, static_cast<char>(c));
        } else if (c < 0x20 || c >= 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::optional<int> WalkOptions(int argc, char** argv,
                               std::initializer_list<std::string_view> valued,
                               std::initializer_list<std::string_view> flags,
                               void (*usage)(std::FILE*), const OptionTaker& take) {
    const auto among = [](std::initializer_list<std::string_view> names, std::string_view name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            usage(stdout);
            return kDone;
        }
        bool taken = false;
        if (among(valued, arg)) {
            if (i + 1 == argc) {
                Complain(arg + " needs a value");
                return kBadUsage;
            }
            taken = take(arg, argv[++i]);
        } else if (among(flags, arg)) {
            taken = take(arg, {});
        } else if (arg.size() > 1 && arg[0] == '-') {
            Complain("unknown option " + arg);
        } else {
            taken = take({}, arg);
        }
        if (!taken) return kBadUsage;
    }
    return std::nullopt;
}

std::string ReceiverDevice(const std::string& port, const std::string& profilePath,
                           const std::string& profilePort) {
    return !port.empty() ? port : !profilePath.empty() ? profilePort : std::string();
}

bool ParseBaud(std::string_view text, unsigned& baud) {
    constexpr std::array<unsigned, 10> kSpeeds{1200,  2400,  4800,   9600,   19200,
                                               38400, 57600, 115200, 230400, 460800};
    unsigned value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    for (unsigned speed : kSpeeds)
        if (ec == std::errc() && end == text.data() + text.size() && value == speed) {
            baud = value;
            return true;
        }
    Complain("--baud " + std::string(text) +
             ": not a port speed (1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200, "
             "230400, 460800)");
    return false;
}

namespace {
std::atomic<bool> interrupted{false};
void OnInterrupt(int) {
    interrupted = true;
}
} // namespace

void CatchInterrupts() {
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

bool Interrupted() {
    return interrupted.load();
}

bool LoadProfile(const std::string& path, IniProfileStore& profile) {
    if (profile.Load(path)) return true;
    Complain(profile.ErrorString());
    return false;
}

} // namespace harrowctl

namespace {

void Usage(std::FILE* to) {
    std::fputs("usage: harrowctl SUBCOMMAND [OPTIONS]\n"
               "Harrowview's command-line companion: the application's own decoding and\n"
               "receiver code, for scripts. Results go to standard output as JSON lines,\n"
               "messages to standard error.\n"
               "\n"
               "subcommands:\n"
               "  inspect   decode a capture or a live port: fix, sky and summary lines\n"
               "  config    send queries, raw commands and .gps files to a receiver; its\n"
               "            replies as JSON lines\n"
               "  ttff      unattended TTFF tests: resets the receiver again and again and\n"
               "            times each fix and acquisition milestone; a JSON line per\n"
               "            test, a summary, .ttf and CSV files\n"
               "  survey    survey statistics of a capture or a .pth path file, as one JSON\n"
               "            object; writes .pth files\n"
               "  upgrade   send an S-record firmware file to the receiver, checked whole\n"
               "            before the receiver hears of it; the outcome as a JSON line\n"
               "\n"
               "'harrowctl SUBCOMMAND --help' lists a subcommand's options. Exit status: 0\n"
               "done, 1 the job failed (the receiver refused a command, a test failed), 2 bad\n"
               "usage, input or port.\n",
               to);
}

} // namespace

int main(int argc, char** argv) {
    const std::string sub = argc > 1 ? argv[1] : "";
    if (sub == "inspect") return harrowctl::Inspect(argc - 1, argv + 1);
    if (sub == "config") return harrowctl::Config(argc - 1, argv + 1);
    if (sub == "ttff") return harrowctl::Ttff(argc - 1, argv + 1);
    if (sub == "survey") return harrowctl::Survey(argc - 1, argv + 1);
    if (sub == "upgrade") return harrowctl::Upgrade(argc - 1, argv + 1);
    if (sub == "--help" || sub == "-h") {
        Usage(stdout);
        return harrowctl::kDone;
    }
    if (sub == "--version") {
        std::printf("harrowctl %s\n", HV_VERSION);
        return harrowctl::kDone;
    }
    if (!sub.empty()) harrowctl::Complain("unknown subcommand " + sub);
    Usage(stderr);
    return harrowctl::kBadUsage;
}
