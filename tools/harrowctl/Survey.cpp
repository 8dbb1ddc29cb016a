// harrowctl survey: the Survey window's figures for a capture or a path file,
// computed by the window's own core (SurveyData, SurveySampler), as one JSON
// object; optionally the survey saved as a .pth file.

#include "Common.h"
#include "InspectReport.h"

#include "nmea/CommentLineFilter.h"
#include "nmea/DecodeSettings.h"
#include "nmea/NmeaFramer.h"
#include "nmea/ReceiverState.h"
#include "profile/IniProfileStore.h"
#include "survey/SurveyData.h"
#include "survey/SurveySampler.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>

namespace harrowctl {
namespace {

void Usage(std::FILE* to) {
    std::fputs(
        "usage: harrowctl survey [--skip-comments] [--profile FILE] [--truth LAT,LON,ALT]\n"
        "                        [--pth OUT.pth] INPUT\n"
        "Surveys INPUT as Harrowview's Survey window does: a capture (decoded through\n"
        "Harrowview's framer and decoders, every fix sampled once; '-' reads standard\n"
        "input) or a path file (a name ending in .pth). Prints one JSON object: sample\n"
        "counts, the mean and least-squares positions (degrees, metres), their spread\n"
        "in metres north, east and up, and the HDOP distribution in percent.\n"
        "  --skip-comments      drops annotation lines starting with '#' from a capture\n"
        "  --profile FILE       a Harrowview profile: the survey's thresholds, fix\n"
        "                       check, auto clear and truth position (\"Survey\n"
        "                       Configuration\") and the decoding switches (\"GPS Section\")\n"
        "  --truth LAT,LON,ALT  measures against this reference position, written as on\n"
        "                       the Truth Position page (51.5 or \"51 30 15.5 N\"; metres)\n"
        "  --pth OUT.pth        also saves the survey as a path file\n"
        "Exit status: 0 done, 1 the path file could not be written or the capture\n"
        "failed part way, 2 bad usage or an unreadable or refused input.\n",
        to);
}

struct Options {
    bool skipComments = false;
    std::string profile, truth, pth, input;
};

std::optional<int> ParseArgs(int argc, char** argv, Options& o) {
    const auto take = [&o](std::string_view name, const std::string& value) {
        if (name == "--skip-comments") {
            o.skipComments = true;
        } else if (name == "--profile") {
            o.profile = value;
        } else if (name == "--truth") {
            o.truth = value;
        } else if (name == "--pth") {
            o.pth = value;
        } else if (o.input.empty()) {
            o.input = value;
        } else {
            Complain("only one input at a time");
            return false;
        }
        return true;
    };
    if (auto end = WalkOptions(argc, argv, {"--profile", "--truth", "--pth"}, {"--skip-comments"},
                               Usage, take))
        return end;
    if (o.input.empty()) {
        Complain("no input: a capture, '-' or a .pth file");
        return kBadUsage;
    }
    return std::nullopt;
}

bool IsPathFile(const std::string& name) {
    if (name.size() < 4) return false;
    std::string extension = name.substr(name.size() - 4);
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == ".pth";
}

// "LAT,LON,ALT" as the Truth Position page takes it, used at once.
bool TakeTruth(const std::string& text, TruthPosition& truth) {
    const size_t first = text.find(','), second = text.find(',', first + 1);
    if (first == std::string::npos || second == std::string::npos ||
        text.find(',', second + 1) != std::string::npos) {
        Complain("--truth needs LAT,LON,ALT");
        return false;
    }
    const TruthEntries entries{text.substr(0, first), text.substr(first + 1, second - first - 1),
                               text.substr(second + 1), true};
    if (const auto problem = CheckTruthEntries(entries, truth)) {
        Complain("--truth " + text + ": " + problem->text);
        return false;
    }
    return true;
}

// Feeds the capture through the framer; each epoch is sampled once it is
// complete, the last one at the end. 0, or the exit status to end with.
int SurveyCapture(const Options& o, const DecodeSettings& decode, SurveyData& survey) {
    std::FILE* in = o.input == "-" ? stdin : std::fopen(o.input.c_str(), "rb");
    if (!in) {
        Complain("cannot open " + o.input + ": " + std::strerror(errno));
        return kBadUsage;
    }
    ReceiverState state;
    NmeaFramer framer(state, decode);
    SurveySampler sampler(state, survey);
    const auto sample = [&](SurveySampler::Take take) {
        if (sampler.Sample(take).cleared)
            Complain("auto clear: a fix at a receiver's reset position emptied the survey");
    };
    framer.SetObserver(
        [&](std::string_view, std::string_view) { sample(SurveySampler::Take::Closed); });
    CommentLineFilter filter;
    std::string kept;
    char buffer[65536];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, in)) > 0;) {
        std::string_view chunk(buffer, n);
        if (o.skipComments) {
            kept.clear();
            filter.Filter(chunk, kept);
            chunk = kept;
        }
        framer.Feed(chunk);
    }
    const int readError = std::ferror(in) ? (errno ? errno : EIO) : 0;
    if (in != stdin) std::fclose(in);
    sample(SurveySampler::Take::All);
    if (readError == 0) return kDone;
    Complain("read error in " + o.input + ": " + std::strerror(readError));
    return kJobFailed;
}

std::string Json(const SurveySummary& s) {
    using InspectReport::Number;
    const auto triple = [](const char* a, double x, const char* b, double y, const char* c,
                           double z) {
        return std::string("{\"") + a + "\":" + Number(x) + ",\"" + b + "\":" + Number(y) + ",\"" +
               c + "\":" + Number(z) + "}";
    };
    std::string out = "{\"type\":\"survey\",\"samples\":" + std::to_string(s.samples);
    out += ",\"horizontal_samples\":" + std::to_string(s.horizontalSamples);
    out += ",\"vertical_samples\":" + std::to_string(s.verticalSamples);
    out +=
        ",\"mean\":" + triple("lat", s.meanLatitude, "lon", s.meanLongitude, "alt", s.meanAltitude);
    out += ",\"sigma_m\":" + triple("north", s.sigmaNorth, "east", s.sigmaEast, "up", s.sigmaUp);
    out += ",\"lsf\":" + triple("lat", s.lsfLatitude, "lon", s.lsfLongitude, "alt", s.lsfAltitude);
    out += ",\"lsf_sigma_m\":" +
           triple("north", s.lsfSigmaNorth, "east", s.lsfSigmaEast, "up", s.lsfSigmaUp);
    out += ",\"hdop_percent\":[" + Number(s.hdopPercent[0]) + "," + Number(s.hdopPercent[1]) + "," +
           Number(s.hdopPercent[2]) + "]}";
    return out;
}

} // namespace

int Survey(int argc, char** argv) {
    Options options;
    if (const std::optional<int> status = ParseArgs(argc, argv, options)) {
        if (*status != kDone) Usage(stderr);
        return *status;
    }
    IniProfileStore profile;
    if (!options.profile.empty() && !LoadProfile(options.profile, profile)) return kBadUsage;
    DecodeSettings decode;
    decode.Load(profile);
    StderrMessages messages;
    TruthPosition truth{};
    LoadTruthPosition(LoadSurveySettings(profile), truth);
    if (!options.truth.empty() && !TakeTruth(options.truth, truth)) return kBadUsage;

    SurveyData survey(profile, truth, messages);
    int status = kDone;
    if (IsPathFile(options.input)) {
        std::string error;
        if (!survey.Open(options.input, nullptr, nullptr, error)) {
            Complain(options.input + ": " + error);
            return kBadUsage;
        }
    } else if ((status = SurveyCapture(options, decode, survey)) == kBadUsage) {
        return status;
    }
    std::cout << Json(survey.Summary(SurveyUnitsFor(0))) << '\n';
    std::string error;
    if (!options.pth.empty() && !survey.Save(options.pth, nullptr, error)) {
        Complain(error);
        return kJobFailed;
    }
    return status;
}

} // namespace harrowctl
