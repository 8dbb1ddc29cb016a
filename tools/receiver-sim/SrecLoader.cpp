#include "SrecLoader.h"

#include "upgrade/SRecord.h"

#include <limits>

namespace {

// Simulated seconds each flash operation takes.
constexpr double kUpperEraseSeconds = 1;
constexpr double kLowerEraseSeconds = 0.5;
constexpr double kCopySeconds = 0.5;
constexpr double kRestartSeconds = 2; // from the last report to NMEA again
constexpr double kNever = std::numeric_limits<double>::infinity();

// Appends piece by piece: "~" + code trips GCC 12's -Wrestrict in an
// optimised build.
std::string Report(std::string_view code) {
    std::string line;
    line.reserve(code.size() + 3);
    return line.append("~").append(code).append("\r\n");
}

bool GivesUp(std::string_view code) {
    return code == "2" || code == "4" || code == "5" || code == "9";
}

} // namespace

void SrecLoader::Start() {
    state = State::Prompt;
    taken = 0;
    arrivals = 0;
}

void SrecLoader::Next(State next, double now, double seconds) {
    state = next;
    due = now + seconds;
}

std::string SrecLoader::Tick(double now, unsigned lineBaud) {
    if (state == State::Prompt && lineBaud == kBaud) {
        Next(State::Erasing, now, config.stall == LoaderStage::Erase ? kNever : kUpperEraseSeconds);
        return Report("E");
    }
    if (now < due) return {};
    switch (state) {
    case State::Erasing:
        if (config.eraseFails) {
            Next(State::Restarting, now, kRestartSeconds);
            return Report("2");
        }
        state = State::Receiving;
        return Report("0");
    case State::LowerErase:
        Next(State::Copying, now, config.stall == LoaderStage::Final ? kNever : kCopySeconds);
        return Report("Exe");
    case State::Copying:
        Next(State::Restarting, now, kRestartSeconds);
        return Report(config.finalReply);
    default:
        return {};
    }
}

std::string SrecLoader::OnLine(std::string_view line, double now) {
    if (state != State::Receiving || line.empty() || line.front() == '$') return {};
    return Answer(line, now);
}

std::string SrecLoader::Answer(std::string_view line, double now) {
    const int resends = arrivals++;
    std::string code;
    bool injected = false;
    for (size_t i = 0; i < config.faults.size() && !injected; ++i) {
        const LoaderFault& f = config.faults[i];
        if (f.record != taken + 1 || faultUses[i] >= f.times) continue;
        ++faultUses[i];
        code = f.code;
        injected = true;
    }
    const SRecordCheck check = CheckSRecord(line);
    if (!injected) {
        code = check.status == SRecordStatus::Malformed     ? "5"
               : check.status == SRecordStatus::BadChecksum ? "3"
               : IsTermination(check.type)                  ? "7"
                                                            : "0";
    }
    if (code.empty()) return {}; // the record was not heard
    if (code == "0" || code == "7") {
        ++taken;
        arrivals = 0;
        Log(line);
        return code == "7" ? Report(code) + Finish(now) : Report(code);
    }
    if (!GivesUp(code) && resends < kMaxResends) return Report(code);
    Next(State::Restarting, now, kRestartSeconds);
    return Report(GivesUp(code) ? code : "9");
}

std::string SrecLoader::Finish(double now) {
    if (config.stall == LoaderStage::Era) {
        Next(State::LowerErase, now, kNever);
        return {};
    }
    Next(State::LowerErase, now, config.stall == LoaderStage::Exe ? kNever : kLowerEraseSeconds);
    return Report("Era");
}
