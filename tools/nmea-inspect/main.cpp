// nmea-inspect: decodes a capture file (or standard input) through the real
// framer and decoders and prints what the receiver state shows, as JSON lines.

#include "InspectReport.h"

#include "profile/IniProfileStore.h"
#include "link/MessageSink.h"
#include "link/NmeaLogFile.h"
#include "nmea/CommentLineFilter.h"
#include "nmea/DecodeSettings.h"
#include "nmea/NmeaFramer.h"
#include "nmea/ReceiverState.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

namespace {

// A tool has no message boxes: what the user must see goes to standard error.
class StderrMessages : public MessageSink {
public:
    void ShowMessage(std::string_view text, std::string_view, MessageIcon) override {
        std::fprintf(stderr, "nmea-inspect: %.*s\n", static_cast<int>(text.size()), text.data());
    }
};

constexpr size_t kChunk = 1000; // what one pass of the receive thread reads

void Usage(std::FILE* to) {
    std::fputs("usage: nmea-inspect [--skip-comments] [--profile FILE] [--log FILE] [CAPTURE]\n"
               "Decodes CAPTURE (standard input when absent) and writes JSON lines:\n"
               "a fix after every position update, a sky after every complete\n"
               "satellite report, and a summary at the end. --log FILE writes what\n"
               "Harrowview's NMEA log would hold for the same input.\n",
               to);
}

struct Options {
    bool skipComments = false;
    std::string profile;
    std::string log;
    std::string input;
};

bool ParseArgs(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--skip-comments") {
            o.skipComments = true;
        } else if (arg == "--profile" && i + 1 < argc) {
            o.profile = argv[++i];
        } else if (arg == "--log" && i + 1 < argc) {
            o.log = argv[++i];
        } else if (arg == "--help" || arg == "-h") {
            Usage(stdout);
            std::exit(0);
        } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
            std::fprintf(stderr, "nmea-inspect: unknown option %s\n", arg.c_str());
            return false;
        } else if (o.input.empty()) {
            o.input = arg;
        } else {
            std::fprintf(stderr, "nmea-inspect: only one capture file at a time\n");
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseArgs(argc, argv, options)) {
        Usage(stderr);
        return 2;
    }
    DecodeSettings settings;
    if (!options.profile.empty()) {
        IniProfileStore profile;
        if (!profile.Load(options.profile)) {
            std::fprintf(stderr, "nmea-inspect: %s\n", profile.ErrorString().c_str());
            return 1;
        }
        settings.Load(profile);
    }
    std::FILE* in = stdin;
    if (!options.input.empty() && options.input != "-") {
        in = std::fopen(options.input.c_str(), "rb");
        if (!in) {
            std::fprintf(stderr, "nmea-inspect: cannot open %s: %s\n", options.input.c_str(),
                         std::strerror(errno));
            return 1;
        }
    }

    ReceiverState state;
    NmeaFramer framer(state, settings);
    StderrMessages messages;
    NmeaLogFile log(messages);
    if (!options.log.empty()) {
        if (!log.Create(options.log)) return 1;
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
    char buffer[kChunk];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0) {
        std::string_view chunk(buffer, n);
        if (options.skipComments) {
            kept.clear();
            filter.Filter(chunk, kept);
            chunk = kept;
        }
        framer.Feed(chunk);
        log.Flush();
    }
    const bool readError = std::ferror(in);
    if (in != stdin) std::fclose(in);
    const bool logged = options.log.empty() || log.IsOpen();
    log.Close();
    std::cout << InspectReport::Summary(state.GetSentenceCount(), framer.ChecksumErrors(),
                                        framer.Dropped())
              << '\n';
    if (readError) {
        std::fprintf(stderr, "nmea-inspect: read error: %s\n", std::strerror(errno));
        return 1;
    }
    return logged ? 0 : 1; // a log that failed part way was reported
}
