// harrowctl ttff: unattended TTFF batches through the TTFF window's own
// controller, result store and files, on the application's port and receive
// thread. One JSON line per finished test, a summary at the end.

#include "Common.h"

#include "app/StartupSettings.h"
#include "link/ReceiveThread.h"
#include "link/ReceiverPort.h"
#include "nmea/DecodeSettings.h"
#include "nmea/ReceiverState.h"
#include "profile/IniProfileStore.h"
#include "ttff/ReceiverTtffLink.h"
#include "ttff/TtffController.h"
#include "ttff/TtffFiles.h"
#include "ttff/TtffNumbers.h"

#include <charconv>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <thread>
#include <unistd.h>

namespace harrowctl {
namespace {

void Usage(std::FILE* to) {
    std::fputs("usage: harrowctl ttff --port DEV [--baud N] --mode hot|warm|cold --runs N\n"
               "                      [--pause MIN-MAX] [--time-limit S] [--ttf FILE]\n"
               "                      [--csv FILE] [--runs-csv FILE] [--profile FILE]\n"
               "Runs N TTFF tests as the TTFF window does: resets the receiver, waits for its\n"
               "restart and times the milestones 2D-10km, 2D-600m, 2D-100m, 3D-100m, 2D-50m,\n"
               "3D-50m, 3SV, 4SV and 5SV in the receiver's own time, then pauses and starts\n"
               "the next test. After each test a JSON line\n"
               "  {\"type\":\"run\",\"n\":1,\"mode\":\"hot\",\"times\":{\"2D-10km\":3.0,...},"
               "\"failed\":false}\n"
               "(seconds; null for a milestone not reached), at the end\n"
               "  {\"type\":\"summary\",\"runs\":N,\"failed\":K,\"mean\":{...},\"min\":{...},"
               "\"max\":{...}}.\n"
               "A test that has not reached every milestone by its time limit ends as failed,\n"
               "as does one whose receiver never restarts; a reset that brings no restart\n"
               "within 10 s is sent again. Progress goes to standard error; Ctrl-C ends the\n"
               "batch with its summary.\n"
               "  --port DEV        the receiver's serial device (or pseudo-terminal)\n"
               "  --baud N          its speed (default: the profile's, else 19200)\n"
               "  --mode M          hot (reset only), warm (ephemerides cleared) or cold\n"
               "                    (almanacs, ephemerides and settings cleared)\n"
               "  --runs N          how many tests, 1 to 99999\n"
               "  --pause MIN-MAX   seconds of wall time between tests, drawn anew each time\n"
               "                    (default 5-34; one number for a fixed pause)\n"
               "  --time-limit S    receiver seconds a test may take (default 180 hot,\n"
               "                    300 warm, 600 cold)\n"
               "  --ttf FILE        the results as a .ttf file, written after every test\n"
               "  --csv FILE        the results as the TTFF window's CSV export\n"
               "  --runs-csv FILE   one CSV row per test: times, accuracies, failed\n"
               "  --profile FILE    a Harrowview profile: the port and speed when not given,\n"
               "                    and the decoding switches\n"
               "Exit status: 0 every test reached every milestone, 1 a test failed or timed\n"
               "out (or the batch was interrupted), 2 a bad option or port.\n",
               to);
}

struct Options {
    std::string port, profile, ttf, csv, runsCsv;
    std::optional<unsigned> baud;
    int mode = kModeNone;
    int runs = 0;
    int pauseMin = 5, pauseMax = 34;
    std::optional<double> timeLimit;
};

template <typename Number>
bool ParseNumber(std::string_view text, Number& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

bool ParsePause(std::string_view text, Options& o) {
    const size_t dash = text.find('-');
    const std::string_view low = text.substr(0, dash);
    const std::string_view high = dash == text.npos ? low : text.substr(dash + 1);
    if (ParseNumber(low, o.pauseMin) && ParseNumber(high, o.pauseMax) && o.pauseMin >= 0 &&
        o.pauseMin <= o.pauseMax && o.pauseMax <= 86400)
        return true;
    Complain("--pause " + std::string(text) + ": MIN-MAX whole seconds, 0 <= MIN <= MAX");
    return false;
}

// Checks one option's value; false after a complaint.
bool Apply(const std::string& arg, const std::string& value, Options& o) {
    if (arg == "--port") o.port = value;
    if (arg == "--profile") o.profile = value;
    if (arg == "--ttf") o.ttf = value;
    if (arg == "--csv") o.csv = value;
    if (arg == "--runs-csv") o.runsCsv = value;
    if (arg == "--baud") {
        unsigned baud = 0;
        if (!ParseBaud(value, baud)) return false;
        o.baud = baud;
    } else if (arg == "--mode") {
        o.mode = kModeNone;
        for (int mode : {kModeHot, kModeWarm, kModeCold})
            if (value == TtffModeName(mode)) o.mode = mode;
        if (o.mode == kModeNone) Complain("--mode " + value + ": hot, warm or cold");
        return o.mode != kModeNone;
    } else if (arg == "--runs") {
        if (ParseNumber(value, o.runs) && o.runs >= 1 && o.runs <= kTestLimits[kContinuousTests])
            return true;
        Complain("--runs " + value + ": a number of tests from 1 to 99999");
        return false;
    } else if (arg == "--pause") {
        return ParsePause(value, o);
    } else if (arg == "--time-limit") {
        double seconds = 0;
        if (ParseNumber(value, seconds) && seconds > 0 && seconds <= 86400) {
            o.timeLimit = seconds;
            return true;
        }
        Complain("--time-limit " + value + ": seconds, more than 0 and at most 86400");
        return false;
    }
    return true;
}

// Nothing to go on, or the exit status to end with.
std::optional<int> ParseArgs(int argc, char** argv, Options& o) {
    const auto take = [&o](std::string_view name, const std::string& value) {
        if (name.empty()) Complain("unexpected " + value);
        return !name.empty() && Apply(std::string(name), value, o);
    };
    if (auto end = WalkOptions(argc, argv,
                               {"--port", "--baud", "--profile", "--mode", "--runs", "--pause",
                                "--time-limit", "--ttf", "--csv", "--runs-csv"},
                               {}, Usage, take))
        return end;
    if (o.mode == kModeNone || o.runs == 0) {
        Complain("--mode and --runs are needed");
        return kBadUsage;
    }
    return std::nullopt;
}

// Whether a result file can be written where it is to go; found out before
// the first test rather than after the last.
bool Writable(const std::string& path) {
    if (path.empty()) return true;
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "."
                               : slash == 0               ? "/"
                                                          : path.substr(0, slash);
    if (::access(folder.c_str(), W_OK) == 0 &&
        (::access(path.c_str(), F_OK) != 0 || ::access(path.c_str(), W_OK) == 0))
        return true;
    Complain(path + ": cannot be written");
    return false;
}

// Seconds as a JSON number, to the receiver's millisecond; null for none.
std::string Seconds(const std::optional<double>& value) {
    if (!value) return "null";
    std::string text = FormatFixed(*value, 3);
    while (text.ends_with('0') && !text.ends_with(".0"))
        text.pop_back();
    return text;
}

// {"2D-10km":...,...} with all nine milestones in order.
template <typename Value>
std::string Times(Value value) {
    std::string text = "{";
    for (int k = 0; k < kMilestones; ++k)
        text += std::string(k ? "," : "") + "\"" + std::string(kMilestoneLabels[k]) +
                "\":" + Seconds(value(k));
    return text + "}";
}

// Prints each finished test and keeps the result files up to date, so an
// interrupted batch still leaves what it measured.
class Batch : public TtffObserver {
public:
    Batch(const Options& options, TtffController& controller)
        : options(options), controller(controller) {}

    void ResetSent(int test, int attempt, bool written) override {
        std::string text = "test " + std::to_string(test) + " of " + std::to_string(options.runs) +
                           ": " + std::string(TtffModeName(options.mode)) + " reset";
        if (attempt > 1) text += " sent again (no restart seen)";
        if (!written) text += " - the port did not take it";
        Progress(text);
    }
    void RestartSeen(int test) override {
        Progress("test " + std::to_string(test) + ": the receiver restarted");
    }
    void TestFinished(const TtffRunRecord& run) override {
        std::cout << "{\"type\":\"run\",\"n\":" << run.n << ",\"mode\":\"" << TtffModeName(run.mode)
                  << "\",\"times\":" << Times([&](int k) { return run.times[k]; })
                  << ",\"failed\":" << (run.Failed() ? "true" : "false") << "}\n";
        std::cout.flush();
        Progress("test " + std::to_string(run.n) +
                 (!run.restarted ? ": FAILED, the receiver never restarted"
                  : run.timedOut ? ": FAILED, time limit reached"
                  : run.Failed() ? ": FAILED"
                                 : ": done"));
        WriteFiles();
    }

    void Summary() const {
        const auto& runs = controller.Runs();
        const auto over = [&](int k, auto pick) {
            std::optional<double> value;
            int reached = 0;
            for (const TtffRunRecord& run : runs)
                if (run.times[k]) {
                    ++reached;
                    value = value ? pick(*value, *run.times[k]) : *run.times[k];
                }
            return std::pair(value, reached);
        };
        const auto sum = [](double a, double b) { return a + b; };
        const auto mean = [&](int k) -> std::optional<double> {
            const auto [total, count] = over(k, sum);
            if (!total) return std::nullopt;
            return *total / count;
        };
        const auto low = [](double a, double b) { return std::min(a, b); };
        const auto high = [](double a, double b) { return std::max(a, b); };
        std::cout << "{\"type\":\"summary\",\"runs\":" << runs.size()
                  << ",\"failed\":" << controller.FailedTests() << ",\"mean\":" << Times(mean)
                  << ",\"min\":" << Times([&](int k) { return over(k, low).first; })
                  << ",\"max\":" << Times([&](int k) { return over(k, high).first; }) << "}\n";
        std::cout.flush();
    }

    bool FilesWritten() const { return filesWritten; }

private:
    static void Progress(const std::string& text) {
        std::fprintf(stderr, "ttff: %s\n", text.c_str());
    }

    void WriteFiles() {
        const TtffData data = controller.DocumentData();
        std::string error;
        bool ok = true;
        if (!options.ttf.empty()) ok = WriteTtfFile(options.ttf, data, error) && ok;
        if (!options.csv.empty()) ok = WriteTtffCsvFile(options.csv, data, error) && ok;
        if (!options.runsCsv.empty())
            ok = WriteTtffRunsCsvFile(options.runsCsv, controller.Runs(), error) && ok;
        if (!ok) Complain(error);
        filesWritten = filesWritten && ok;
    }

    const Options& options;
    TtffController& controller;
    bool filesWritten = true;
};

} // namespace

int Ttff(int argc, char** argv) {
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
    if (device.empty() || CReceiverPort::IsNetworkPort(device)) {
        Complain("--port DEV is needed: a serial device (or a --profile that names one)");
        return kBadUsage;
    }
    for (const std::string* file : {&options.ttf, &options.csv, &options.runsCsv})
        if (!Writable(*file)) return kBadUsage;

    StderrMessages messages;
    CReceiverPort port(messages);
    if (port.Open(device, options.baud.value_or(static_cast<unsigned>(startup.baud))) != 0)
        return kBadUsage;
    ReceiverState state;
    ReceiveThread receive(state, port, decode, messages);
    receive.Settings().port = device;
    receive.Start(std::chrono::milliseconds(0)); // the port was opened just now, by us

    TtffSettings settings{options.mode, kContinuousTests};
    TtffTiming timing;
    timing.pauseMinSeconds = options.pauseMin;
    timing.pauseMaxSeconds = options.pauseMax;
    timing.testLimits[kContinuousTests] = options.runs;
    if (options.timeLimit) timing.timeLimitSeconds[options.mode] = *options.timeLimit;
    const TruthPosition truth; // the receiver's own estimates
    const SteadyTtffClock clock;
    ReceiverTtffLink link(port, receive);
    TtffController controller(state, link, clock, settings, truth, timing);
    Batch batch(options, controller);
    controller.SetObserver(&batch);

    CatchInterrupts();
    controller.Start();
    auto next = std::chrono::steady_clock::now();
    while (!controller.Finished() && !Interrupted()) {
        controller.Tick();
        // A slow tick (a reset waits for the receive thread) is not made up for.
        next = std::max(next + timing.tickPeriod, std::chrono::steady_clock::now());
        std::this_thread::sleep_until(next);
    }
    receive.Stop();
    if (Interrupted()) std::fprintf(stderr, "ttff: interrupted\n");
    batch.Summary();
    const bool complete = static_cast<int>(controller.Runs().size()) == options.runs;
    return complete && controller.FailedTests() == 0 && batch.FilesWritten() ? kDone : kJobFailed;
}

} // namespace harrowctl
