#pragma once

#include "Rng.h"

#include <deque>
#include <vector>

struct SkySatellite {
    int prn = 0;
    double azimuth = 0;   // degrees from north, clockwise
    double elevation = 0; // degrees above the horizon
};

// The satellites above the horizon. Each one crosses the sky on a great
// circle at about half a degree a minute, as GPS satellites seen from the
// ground do; one that sets is replaced by a new one rising, so the count
// stays constant.
class Sky {
public:
    Sky(int count, Rng& rng);

    void Advance(double seconds, Rng& rng);
    // Sorted by PRN.
    std::vector<SkySatellite> Positions() const;

private:
    struct Pass {
        int prn = 0;
        double culminationAzimuth = 0; // where the track is highest
        double maxElevation = 0;
        double phase = 0; // degrees along the track from the culmination; +-90 at the horizon
        double rate = 0;  // degrees of track per second
        double direction = 1;
    };

    Pass NewPass(Rng& rng, double phase) const;
    int FreePrn(Rng& rng) const;
    static SkySatellite Locate(const Pass& pass);

    std::vector<Pass> passes;
    std::deque<int> resting; // set lately: on the far side of the Earth for hours
};
