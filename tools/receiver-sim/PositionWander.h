#pragma once

#include "Rng.h"

#include <cmath>

// Receiver position noise: a first-order Gauss-Markov process per axis, so
// the position wanders around the truth with about 20 s of memory rather than
// jumping every second. Sigma per horizontal axis; 1.5 sigma vertically.
class PositionWander {
public:
    explicit PositionWander(double sigma) : sigma(sigma) {}

    void Step(Rng& rng) {
        const double keep = std::exp(-1.0 / kMemorySeconds);
        const double fresh = std::sqrt(1 - keep * keep);
        north = keep * north + fresh * rng.Gaussian(sigma);
        east = keep * east + fresh * rng.Gaussian(sigma);
        up = keep * up + fresh * rng.Gaussian(1.5 * sigma);
    }

    double North() const { return north; }
    double East() const { return east; }
    double Up() const { return up; }

private:
    static constexpr double kMemorySeconds = 20;

    double sigma;
    double north = 0;
    double east = 0;
    double up = 0;
};
