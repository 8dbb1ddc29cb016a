#pragma once

#include "SimConfig.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The firmware loader the receiver switches to on "UPGM,SREC". It speaks no
// NMEA: every report is "~" and a code or a word, ending CR LF.
//   ~E      the loader runs: sent once the line is open at 38400 baud, so a
//           sender that reopens the line at that speed gets it
//   ~0 ~2   the upper flash block is erased, or the erase failed
// Then each record is answered:
//   ~0      taken, send the next
//   ~3      bad checksum, send it again; the fourth time in a row: ~9
//   ~5      not an S-record
//   ~7      the termination record is taken; at once ~Era (erasing the
//           lower block), then ~Exe (copying), then ~F (flashed)
// After ~2, ~5, ~9 or the final report the receiver restarts two seconds
// later with its NMEA output. Lines starting with '$' are ignored while
// loading.
class SrecLoader {
public:
    static constexpr unsigned kBaud = 38400;
    static constexpr int kMaxResends = 3;

    explicit SrecLoader(LoaderConfig config) : config(std::move(config)) {}

    void Start();
    std::string OnLine(std::string_view line, double now);
    // Reports that are due by `now`; `lineBaud` is the client's speed (0: none).
    std::string Tick(double now, unsigned lineBaud);
    bool Active() const { return state != State::Idle; }
    bool RestartDue(double now) const { return state == State::Restarting && now >= due; }
    void Leave() { state = State::Idle; }

    // The loader commands and the records taken, one a line, since the last call.
    void Log(std::string_view line) { log.append(line).append("\n"); }
    std::string TakeLog() { return std::exchange(log, {}); }

private:
    enum class State { Idle, Prompt, Erasing, Receiving, LowerErase, Copying, Restarting };

    std::string Answer(std::string_view line, double now);
    std::string Finish(double now);
    void Next(State next, double now, double seconds);

    LoaderConfig config;
    State state = State::Idle;
    double due = 0;
    int taken = 0;
    int arrivals = 0; // of the record after the last one taken
    std::vector<int> faultUses = std::vector<int>(config.faults.size(), 0);
    std::string log;
};
