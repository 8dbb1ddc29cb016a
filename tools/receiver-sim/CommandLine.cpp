#include "CommandLine.h"

#include "TextUtil.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace {

using Handler = bool (*)(std::string_view value, CliOptions& o);

struct OptionRule {
    std::string_view name;
    bool takesValue;
    Handler handle;
};

bool InRange(std::string_view text, double low, double high, double& target) {
    const auto v = ParseNumber(text);
    if (!v || *v < low || *v > high) return false;
    target = *v;
    return true;
}

bool ParsePosition(std::string_view text, Geodetic& p) {
    const auto parts = Split(text, ',');
    return parts.size() == 3 && InRange(parts[0], -89.9, 89.9, p.latitude) &&
           InRange(parts[1], -180, 180, p.longitude) && InRange(parts[2], -500, 20000, p.height);
}

std::optional<ResetKind> KindNamed(std::string_view name) {
    if (name == "hot") return ResetKind::Hot;
    if (name == "warm") return ResetKind::Warm;
    if (name == "cold") return ResetKind::Cold;
    return std::nullopt;
}

bool ParseStart(std::string_view v, CliOptions& o) {
    if (v == "fixed") {
        o.sim.startKind.reset();
        return true;
    }
    o.sim.startKind = KindNamed(v);
    return o.sim.startKind.has_value();
}

// "N" or "N:K": the N-th record, the first K times (once without K).
bool ParseRecordTimes(std::string_view v, std::string code, CliOptions& o) {
    const auto pieces = Split(v, ':');
    const auto record = ParseInteger(pieces[0]);
    const auto times = pieces.size() == 2 ? ParseInteger(pieces[1]) : std::optional<long long>(1);
    if (pieces.size() > 2 || !record || *record < 1 || !times || *times < 1) return false;
    o.sim.loader.faults.push_back(
        {std::move(code), static_cast<int>(*record), static_cast<int>(*times)});
    return true;
}

bool ParseLoaderCode(std::string_view v, CliOptions& o) {
    const size_t at = v.find('@');
    if (at == 0 || at == std::string_view::npos || at > 3) return false;
    return ParseRecordTimes(v.substr(at + 1), std::string(v.substr(0, at)), o);
}

bool ParseLoaderStall(std::string_view v, CliOptions& o) {
    constexpr std::pair<std::string_view, LoaderStage> kStages[] = {{"erase", LoaderStage::Erase},
                                                                    {"era", LoaderStage::Era},
                                                                    {"exe", LoaderStage::Exe},
                                                                    {"final", LoaderStage::Final}};
    o.sim.loader.stall = LoaderStage::None;
    for (const auto& [name, stage] : kStages)
        if (v == name) o.sim.loader.stall = stage;
    return o.sim.loader.stall != LoaderStage::None;
}

bool ParseSatellites(std::string_view v, CliOptions& o) {
    const auto n = ParseInteger(v);
    if (!n || *n < 1 || *n > kMaxSimSatellites) return false;
    o.sim.satellites = static_cast<int>(*n);
    return true;
}

bool ParseSeed(std::string_view v, CliOptions& o) {
    const auto n = ParseInteger(v);
    if (!n || *n < 0) return false;
    o.sim.seed = static_cast<uint64_t>(*n);
    o.seedGiven = true;
    return true;
}

bool ParseMask(std::string_view v, CliOptions& o) {
    double degrees = 0;
    if (!InRange(v, 0, 90, degrees)) return false;
    o.sim.horizon.SetElevation(degrees);
    return true;
}

bool ParseSector(std::string_view v, CliOptions& o) {
    const auto sector = HorizonMask::ParseSector(v);
    if (sector) o.sim.horizon.AddSector(*sector);
    return sector.has_value();
}

constexpr OptionRule kOptions[] = {
    {"--link", true,
     [](std::string_view v, CliOptions& o) {
         o.link = v;
         return !v.empty();
     }},
    {"--position", true,
     [](std::string_view v, CliOptions& o) { return ParsePosition(v, o.sim.position); }},
    {"--geoid", true,
     [](std::string_view v, CliOptions& o) {
         return InRange(v, -150, 150, o.sim.geoidSeparation);
     }},
    {"--noise", true,
     [](std::string_view v, CliOptions& o) { return InRange(v, 0, 1000, o.sim.noise); }},
    {"--satellites", true, ParseSatellites},
    {"--mask", true, ParseMask},
    {"--mask-sector", true, ParseSector},
    {"--speed", true,
     [](std::string_view v, CliOptions& o) { return InRange(v, 0.01, 1000, o.speed); }},
    {"--start", true, ParseStart},
    {"--ttff-hot", true,
     [](std::string_view v, CliOptions& o) { return InRange(v, 1, 3600, o.sim.pace.hot); }},
    {"--ttff-warm", true,
     [](std::string_view v, CliOptions& o) { return InRange(v, 1, 3600, o.sim.pace.warm); }},
    {"--ttff-cold", true,
     [](std::string_view v, CliOptions& o) { return InRange(v, 1, 3600, o.sim.pace.cold); }},
    {"--ttff-spread", true,
     [](std::string_view v, CliOptions& o) { return InRange(v, 0, 0.9, o.sim.pace.spread); }},
    {"--seed", true, ParseSeed},
    {"--silent", false, [](std::string_view, CliOptions& o) { return o.sim.silent = true; }},
    {"--bad-checksum-rate", true,
     [](std::string_view v, CliOptions& o) { return InRange(v, 0, 1, o.sim.badChecksumRate); }},
    {"--drop-replies", false,
     [](std::string_view, CliOptions& o) { return o.sim.dropReplies = true; }},
    {"--loader-code", true, ParseLoaderCode},
    {"--loader-silence", true,
     [](std::string_view v, CliOptions& o) { return ParseRecordTimes(v, "", o); }},
    {"--loader-erase-fails", false,
     [](std::string_view, CliOptions& o) { return o.sim.loader.eraseFails = true; }},
    {"--loader-stall", true, ParseLoaderStall},
    {"--loader-final", true,
     [](std::string_view v, CliOptions& o) {
         o.sim.loader.finalReply = v;
         return !v.empty() && v.find_first_of("\r\n") == std::string_view::npos;
     }},
    {"--loader-second-form-only", false,
     [](std::string_view, CliOptions& o) { return o.sim.loader.secondFormOnly = true; }},
    {"--loader-log", true,
     [](std::string_view v, CliOptions& o) {
         o.loaderLog = v;
         return !v.empty();
     }},
    {"--no-polyn", false, [](std::string_view, CliOptions& o) { return o.sim.noPolyn = true; }},
    {"--ignore-resets", false,
     [](std::string_view, CliOptions& o) { return o.sim.ignoreResets = true; }},
    {"--no-estimates", false,
     [](std::string_view, CliOptions& o) { return o.sim.noEstimates = true; }},
    {"--verbose", false, [](std::string_view, CliOptions& o) { return o.verbose = true; }},
    {"--help", false, [](std::string_view, CliOptions& o) { return o.help = true; }},
    {"-h", false, [](std::string_view, CliOptions& o) { return o.help = true; }},
};

} // namespace

bool ParseCommandLine(std::span<const std::string_view> args, CliOptions& options,
                      std::string& error) {
    for (size_t i = 0; i < args.size(); ++i) {
        std::string_view name = args[i];
        std::optional<std::string_view> value;
        if (const size_t eq = name.find('=');
            name.starts_with("--") && eq != std::string_view::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
        }
        const auto option = std::find_if(std::begin(kOptions), std::end(kOptions),
                                         [name](const OptionRule& s) { return s.name == name; });
        if (option == std::end(kOptions)) {
            error = "unknown option " + std::string(args[i]);
            return false;
        }
        if (option->takesValue && !value) {
            if (i + 1 == args.size()) {
                error = std::string(name) + " needs a value";
                return false;
            }
            value = args[++i];
        }
        if ((!option->takesValue && value) || !option->handle(value.value_or(""), options)) {
            error = "bad value for " + std::string(name) + ": " + std::string(value.value_or(""));
            return false;
        }
    }
    return true;
}
