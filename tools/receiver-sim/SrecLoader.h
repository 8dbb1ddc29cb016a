#pragma once

#include "SimConfig.h"

#include <string>
#include <string_view>
#include <vector>

// The firmware loader the receiver switches to on "UPGM,SREC". It speaks no
// NMEA: every answer is one line ending CR LF.
//   ~E      loader ready (flash erased), send the records
//   ~0      record accepted
//   ~3      record checksum wrong; the record is dropped
//   ~4      not an S-record (type, hex digits or length); dropped
//   ~7      termination record (S7, S8 or S9) accepted; then follow
//   ~Era    ~Exe   and   "Flash OK" (or "Flash FAIL" when any record was
//           dropped), after which the receiver reboots
// Lines starting with '$' and empty lines are ignored while loading.
class SrecLoader {
public:
    static constexpr std::string_view kAccepted = "0";
    static constexpr std::string_view kBadChecksum = "3";
    static constexpr std::string_view kMalformed = "4";
    static constexpr std::string_view kFinished = "7";

    explicit SrecLoader(std::vector<LoaderFault> faults) : faults(std::move(faults)) {}

    std::string Start();
    std::string OnLine(std::string_view line);
    // Loading, or done and waiting for the reboot.
    bool Active() const { return state != State::Idle; }
    bool Done() const { return state == State::Done; }
    void Leave() { state = State::Idle; }

private:
    enum class State { Idle, Receiving, Done };

    std::string Answer(std::string_view normal) const;
    std::string Finish();

    std::vector<LoaderFault> faults;
    State state = State::Idle;
    int records = 0;
    int dropped = 0;
};
