#pragma once

#include "nmea/ReceiverState.h"

#include <array>
#include <cstdint>

inline constexpr int kPlotSlots = 40;

// One slot of the plot. Slot i holds the i-th satellite in view, whatever
// its PRN, so a slot's trail follows a table row rather than a satellite.
struct PlotSatellite {
    int32_t prn = 0;
    int32_t azimuth = 0;   // degrees
    int32_t elevation = 0; // degrees
    int32_t usedInFix = 0; // 1 = used
    int32_t snr = 0;
    int32_t snrAux = 0;

    bool operator==(const PlotSatellite&) const = default;
};

using PlotSatellites = std::array<PlotSatellite, kPlotSlots>;

// Rows 0 to inView - 1 of the table (at most its 33 rows); the other slots
// are empty.
PlotSatellites SlotsFromTable(const SatelliteTable& table, int inView);

// A position worth drawing: a PRN, not the (0, 0) a receiver reports for an
// unknown position, and not beyond the zenith.
constexpr bool HasPlotPosition(int32_t prn, int32_t azimuth, int32_t elevation) {
    return prn != 0 && (azimuth != 0 || elevation != 0) && elevation < 91;
}

constexpr bool IsDrawable(const PlotSatellite& s) {
    return HasPlotPosition(s.prn, s.azimuth, s.elevation);
}
