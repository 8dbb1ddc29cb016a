#pragma once

#include "views/skyplot/PlotSatellites.h"

#include <array>
#include <cstdint>

inline constexpr int kTrailPoints = 500;

struct TrailPoint {
    int32_t prn = 0;
    int32_t azimuth = 0;
    int32_t elevation = 0;
    int32_t usedInFix = 0;
    int32_t snr = 0;

    bool operator==(const TrailPoint&) const = default;
};

constexpr bool IsDrawable(const TrailPoint& p) {
    return HasPlotPosition(p.prn, p.azimuth, p.elevation);
}

// What appending did. Replaced: the ring was full and a drawable point
// fell out of it.
enum class TrailAppend { Unchanged, Added, Replaced };

// Per satellite slot a ring of the last 500 distinct positions.
class SatelliteTrails {
public:
    // Writes the slot's satellite when it differs (PRN, azimuth or elevation)
    // from the ring's last point. An emptied slot writes a zero point, which
    // is kept but never drawn.
    TrailAppend Append(int slot, const PlotSatellite& satellite);
    void Clear();

    const TrailPoint& Point(int slot, int index) const {
        return rings[static_cast<size_t>(slot)][static_cast<size_t>(index)];
    }
    // Where the slot's next point goes.
    int NextIndex(int slot) const { return next[static_cast<size_t>(slot)]; }
    const TrailPoint& Last(int slot) const;

    template <typename Visit>
    void ForEachDrawable(Visit&& visit) const {
        for (const auto& ring : rings)
            for (const TrailPoint& p : ring)
                if (IsDrawable(p)) visit(p);
    }

private:
    std::array<std::array<TrailPoint, kTrailPoints>, kPlotSlots> rings{};
    std::array<uint16_t, kPlotSlots> next{};
};
