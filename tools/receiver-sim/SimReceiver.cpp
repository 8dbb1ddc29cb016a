#include "SimReceiver.h"

#include "CommandHandler.h"
#include "RawFrames.h"
#include "SentenceWriter.h"
#include "TextUtil.h"
#include "nmea/NmeaChecksum.h"

#include <algorithm>
#include <utility>

namespace {

std::string SerialNumber(uint64_t seed) {
    return Format("HV%06llu", static_cast<unsigned long long>(seed % 1000000));
}

} // namespace

SimReceiver::SimReceiver(const SimConfig& c)
    : config(c), skyRng(Rng::Stream(c.seed, 0)), faultRng(Rng::Stream(c.seed, 1)),
      sky(std::clamp(c.satellites, 1, kMaxSimSatellites), skyRng), fix(c, Rng::Stream(c.seed, 2)),
      settings(SerialNumber(c.seed)), loader(c.loader) {
    if (config.startKind) Restart(*config.startKind, pending);
}

std::string SimReceiver::Tick(double seconds) {
    std::string out = std::exchange(pending, {});
    const double until = now + std::max(0.0, seconds);
    while (static_cast<double>(nextEpoch) <= until) {
        now = static_cast<double>(nextEpoch);
        sky.Advance(1.0, skyRng);
        if (loader.RestartDue(now)) {
            loader.Leave();
            Restart(ResetKind::Hot, out);
        }
        if (!loader.Active()) out += RunEpoch();
        ++nextEpoch;
    }
    now = until;
    out += loader.Tick(now, lineBaud);
    return config.silent ? std::string() : out;
}

std::string SimReceiver::OnInput(std::string_view bytes) {
    std::string out;
    lines.Feed(bytes, [&](std::string_view line) { HandleLine(line, out); });
    return config.silent ? std::string() : out;
}

std::string SimReceiver::RunEpoch() {
    EpochReport report =
        fix.Build(now, config.startUtc + nextEpoch, sky.Positions(), settings.ElevationMask());
    report.estimates = !config.noEstimates;
    if (output == Output::Debug) return EpochFrames(report);
    std::string out;
    for (const std::string& body : EpochSentences(report))
        out += Sentence(body);
    return out;
}

void SimReceiver::HandleLine(std::string_view line, std::string& out) {
    if (loader.Active()) {
        out += loader.OnLine(line, now);
        return;
    }
    const CommandOutcome command = HandleCommand(line, settings);
    if (command.startLoader) {
        loader.Log(line);
        // A loader that knows only the second form does not hear the first.
        if (config.loader.secondFormOnly && !line.starts_with("$PSYM")) return;
    }
    if (!config.dropReplies) {
        for (const std::string& reply : command.replies)
            out += Sentence(reply);
    }
    if (command.debug) output = *command.debug ? Output::Debug : Output::Nmea;
    if (command.reset && !config.ignoreResets) Restart(*command.reset, out);
    if (command.startLoader) loader.Start();
}

// A reset reboots the receiver, which comes back with NMEA output. Notices
// come only in this burst: the application takes the first $POLYN after any
// other sentence for a restart and clears the fix.
void SimReceiver::Restart(ResetKind kind, std::string& out) {
    const std::vector<Notice> kept = fix.Restart(kind, now, sky.Positions());
    output = Output::Nmea;
    if (config.noPolyn) return;
    out += Sentence(ResetNoticeBody(kind));
    for (const Notice& n : kept)
        out += Sentence(NoticeBody(n));
}

std::string SimReceiver::Sentence(std::string_view body) {
    std::string sentence = NmeaSentence(body);
    if (faultRng.Chance(config.badChecksumRate)) {
        const unsigned wrong = NmeaChecksum(body) ^ 0x5Au;
        sentence.replace(sentence.size() - 4, 2, Format("%02X", wrong));
    }
    return sentence;
}
