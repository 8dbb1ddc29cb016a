// harrowctl inspect: decodes a capture file, standard input or a live port
// through the real framer and decoders and prints what the receiver state
// shows, as JSON lines.

#include "Common.h"
#include "InspectReport.h"

#include "app/StartupSettings.h"
#include "link/NmeaLogFile.h"
#include "link/ReceiverPort.h"
#include "nmea/CommentLineFilter.h"
#include "nmea/DecodeSettings.h"
#include "nmea/NmeaFramer.h"
#include "nmea/ReceiverState.h"
#include "profile/IniProfileStore.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>

namespace harrowctl {
namespace {

constexpr size_t kChunk = 1000; // what one pass of the receive thread reads

void Usage(std::FILE* to) {
    std::fputs(
        "usage: harrowctl inspect [--skip-comments] [--profile FILE] [--log FILE] [CAPTURE]\n"
        "       harrowctl inspect [--skip-comments] [--profile FILE] [--log FILE]\n"
        "                         --port DEV [--baud N]\n"
        "Decodes CAPTURE (standard input when absent), or what the receiver on DEV\n"
        "sends until Ctrl-C, and writes JSON lines: a fix after every position\n"
        "update, a sky after every complete satellite report, and a summary at the\n"
        "end.\n"
        "  --skip-comments  drops annotation lines starting with '#'\n"
        "  --profile FILE   reads the decoding switches (\"GPS Section\") of a\n"
        "                   Harrowview profile, and the port's speed\n"
        "  --log FILE       writes what Harrowview's NMEA log would hold for the\n"
        "                   same input\n"
        "  --port DEV       a serial device (or pseudo-terminal), opened as\n"
        "                   Harrowview opens it: exclusive, raw 8N1\n"
        "  --baud N         its speed (default: the profile's, else 19200)\n",
        to);
}

struct Options {
    bool skipComments = false;
    std::string profile, log, input, port;
    std::optional<unsigned> baud;
};

// Nothing to go on, or the exit status to end with.
std::optional<int> ParseArgs(int argc, char** argv, Options& o) {
    const auto take = [&o](std::string_view name, const std::string& value) {
        if (name == "--skip-comments") {
            o.skipComments = true;
        } else if (name == "--profile") {
            o.profile = value;
        } else if (name == "--log") {
            o.log = value;
        } else if (name == "--port") {
            o.port = value;
        } else if (name == "--baud") {
            unsigned baud = 0;
            if (!ParseBaud(value, baud)) return false;
            o.baud = baud;
        } else if (o.input.empty()) {
            o.input = value;
        } else {
            Complain("only one capture file at a time");
            return false;
        }
        return true;
    };
    if (auto end = WalkOptions(argc, argv, {"--profile", "--log", "--port", "--baud"},
                               {"--skip-comments"}, Usage, take))
        return end;
    if (!o.port.empty() && !o.input.empty()) {
        Complain("a capture file or --port, not both");
        return kBadUsage;
    }
    if (o.baud && o.port.empty()) {
        Complain("--baud goes with --port");
        return kBadUsage;
    }
    return std::nullopt;
}

} // namespace

int Inspect(int argc, char** argv) {
    Options options;
    if (const std::optional<int> status = ParseArgs(argc, argv, options)) {
        if (*status != kDone) Usage(stderr);
        return *status;
    }
    DecodeSettings settings;
    IniProfileStore profile;
    if (!options.profile.empty() && !LoadProfile(options.profile, profile)) return kBadUsage;
    const StartupSettings startup = ReadStartupSettings(profile, settings);

    StderrMessages messages;
    CReceiverPort port(messages);
    std::FILE* in = nullptr;
    if (!options.port.empty()) {
        if (CReceiverPort::IsNetworkPort(options.port)) {
            Complain("--port needs a serial device; 99999 is Harrowview's network link");
            return kBadUsage;
        }
        if (port.Open(options.port, options.baud.value_or(static_cast<unsigned>(startup.baud))) !=
            0)
            return kBadUsage;
        CatchInterrupts();
    } else if (options.input.empty() || options.input == "-") {
        in = stdin;
    } else if (!(in = std::fopen(options.input.c_str(), "rb"))) {
        Complain("cannot open " + options.input + ": " + std::strerror(errno));
        return kBadUsage;
    }

    ReceiverState state;
    NmeaFramer framer(state, settings);
    NmeaLogFile log(messages);
    if (!options.log.empty()) {
        if (!log.Create(options.log)) return kBadUsage;
        framer.SetLog(&log);
    }
    int lastUpdate = 0;
    framer.SetObserver([&](std::string_view address, std::string_view data) {
        const int update = state.GetPositionUpdateCount();
        if (update != lastUpdate) std::cout << InspectReport::Fix(state) << '\n';
        lastUpdate = update;
        if (InspectReport::CompletesSky(address, data))
            std::cout << InspectReport::Sky(state) << '\n';
    });

    CommentLineFilter filter;
    std::string kept;
    const auto decode = [&](std::string_view chunk) {
        if (options.skipComments) {
            kept.clear();
            filter.Filter(chunk, kept);
            chunk = kept;
        }
        framer.Feed(chunk);
        log.Flush();
        if (!in) std::cout.flush(); // live: each line as it happens
    };
    char buffer[kChunk];
    bool gone = false;
    int readError = 0; // errno of a failed read
    if (in) {
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, in)) > 0;)
            decode(std::string_view(buffer, n));
        if (std::ferror(in)) readError = errno ? errno : EIO;
        if (in != stdin) std::fclose(in);
    } else {
        while (!Interrupted() && !gone) {
            const auto [status, n] =
                port.Read(buffer, sizeof buffer, [] { return !Interrupted(); });
            decode(std::string_view(buffer, n));
            gone = status == CReceiverPort::ReadStatus::Gone;
        }
    }
    const bool logged = options.log.empty() || log.IsOpen();
    log.Close();
    std::cout << InspectReport::Summary(state.GetSentenceCount(), framer.ChecksumErrors(),
                                        framer.Dropped())
              << '\n';
    if (readError) Complain(std::string("read error: ") + std::strerror(readError));
    if (gone) Complain("the device " + options.port + " went away");
    // A log that failed part way was reported.
    return readError != 0 || gone || !logged ? kJobFailed : kDone;
}

} // namespace harrowctl
