#pragma once

#include "Rng.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

// The receiver's millisecond counter, which starts again at 0 on every reset,
// and its oscillator drift, which wanders slowly and survives resets.
class ReceiverClock {
public:
    ReceiverClock(double bootTime, double drift) : bootTime(bootTime), drift(drift) {}

    void Restart(double now) { bootTime = now; }
    uint64_t Milliseconds(double now) const {
        return static_cast<uint64_t>(std::llround(std::max(0.0, now - bootTime) * 1000.0));
    }
    double Drift() const { return drift; }
    void Step(Rng& rng) { drift = std::clamp(drift + rng.Gaussian(0.02), -kMaxDrift, kMaxDrift); }

private:
    static constexpr double kMaxDrift = 100; // ns/s, a TCXO's range

    double bootTime;
    double drift;
};
