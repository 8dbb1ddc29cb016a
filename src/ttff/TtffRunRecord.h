#pragma once

#include "ttff/TtffMilestones.h"

#include <array>
#include <optional>

// One test of a run, as it happened: what the per-run CSV, the JSON lines
// of harrowctl and the failure count show.
struct TtffRunRecord {
    int n = 0; // from 1, in the order the tests ran in this window
    int mode = kModeNone;
    // Seconds of receiver time from the restart; empty for a milestone that
    // was not reached by itself (forced at the time limit, or never seen).
    std::array<std::optional<double>, kMilestones> times{};
    std::array<std::optional<double>, kAcquisitionMilestones> accuracies{}; // metres
    bool restarted = false; // the receiver was seen to restart after the reset
    bool timedOut = false;  // ended by a time limit
    int resets = 0;         // reset commands sent, resends included

    // A test fails unless every milestone was reached by itself.
    bool Failed() const {
        for (const auto& time : times)
            if (!time) return true;
        return false;
    }
    bool operator==(const TtffRunRecord&) const = default;
};
