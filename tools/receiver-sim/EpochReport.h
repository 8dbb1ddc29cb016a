#pragma once

#include <cstdint>
#include <vector>

enum class NavStatus { NoFix, Fix2D, Fix3D };

struct SatReport {
    int prn = 0;
    int azimuth = 0;
    int elevation = 0;
    int snr = 0; // dB-Hz; 0 when not tracked
    bool tracked = false;
    bool used = false;
    double residual = 0; // metres, for satellites used
};

// Everything the receiver says about one second, whatever the output format.
struct EpochReport {
    int64_t utc = 0;
    uint64_t receiverMilliseconds = 0;
    double clockDrift = 0; // ns/s
    bool timeFromFix = false;

    NavStatus status = NavStatus::NoFix;
    double latitude = 0;
    double longitude = 0;
    double height = 0; // above the ellipsoid
    double geoidSeparation = 0;
    double speedKmh = 0;
    double heading = 0;
    double horizontalError = 0; // estimates, metres
    double verticalError = 0;
    bool estimates = true; // false: the estimate fields are sent empty
    double pdop = 0;
    double hdop = 0;
    double vdop = 0;

    std::vector<SatReport> satellites; // in view, by PRN

    int UsedCount() const {
        int n = 0;
        for (const SatReport& s : satellites)
            n += s.used ? 1 : 0;
        return n;
    }
};
