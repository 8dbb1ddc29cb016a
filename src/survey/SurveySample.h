#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

// One stored position of a survey. Arrival order is the store's order; the
// path file keeps every field, so a saved survey reads back bit for bit.
struct SurveySample {
    double latitude = 0;  // degrees, north positive
    double longitude = 0; // degrees, east positive
    double altitude = 0;  // metres
    uint16_t pdop10 = 0;  // DOPs in tenths, truncated toward zero
    uint32_t fix3D = 0;   // 1 for a 3-D fix
    uint32_t accuracyClass = 3;
    uint16_t vdop10 = 0;
    uint16_t hdop10 = 0;
    double horizontalAccuracy = 0; // the receiver's estimate, metres; 0 when unknown

    bool operator==(const SurveySample&) const = default;
};

// DOP tenths, truncated toward zero. Any DOP a receiver sends fits the 16
// bits: negative and not-a-number give 0, anything too large the top value.
inline uint16_t DopTenths(double dop) {
    const double tenths = dop * 10;
    if (!(tenths > 0)) return 0;
    return static_cast<uint16_t>(std::min(tenths, 65535.0));
}

// 3 for an estimate of 30 m or better down to 0 beyond 100 m.
inline uint32_t AccuracyClass(double horizontalError) {
    if (horizontalError > 100) return 0;
    if (horizontalError > 50) return 1;
    if (horizontalError > 30) return 2;
    return 3;
}
