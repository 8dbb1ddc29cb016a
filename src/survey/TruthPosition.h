#pragma once

// The reference position a receiver's fixes are measured against. The
// application holds one, set by the survey settings and read by the survey
// statistics and the TTFF test; tools and tests make their own.
struct TruthPosition {
    double latitude = 0;  // degrees, north positive
    double longitude = 0; // degrees, east positive
    double altitude = 0;  // metres
    bool use = false;     // measure against it instead of the receiver's estimates
};
