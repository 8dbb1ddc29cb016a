#pragma once

#include <span>

struct LineOfSight {
    double azimuth = 0;
    double elevation = 0;
};

// What a receiver reports when it cannot compute dilution of precision.
constexpr double kNoDop = 99.9;

struct Dops {
    double pdop = kNoDop;
    double hdop = kNoDop;
    double vdop = kNoDop;
};

// Dilution of precision of the satellites used. A 2D fix holds the height,
// which acts as one more, vertical, measurement.
Dops ComputeDops(std::span<const LineOfSight> used, bool heightHeld);
