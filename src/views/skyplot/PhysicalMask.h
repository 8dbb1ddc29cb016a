#pragma once

#include "views/skyplot/PlotSatellites.h"

#include <array>
#include <cstdint>

inline constexpr int kMaskEntries = 360;
inline constexpr int32_t kMaskResetElevation = 76;

// The lowest elevation at which a satellite was received well at one whole
// degree of azimuth.
struct MaskEntry {
    int32_t maskAzimuth = 0; // equal to the entry's index
    int32_t maskElevation = kMaskResetElevation;
    int32_t observed = 0; // 1 once a satellite has lowered the entry

    bool operator==(const MaskEntry&) const = default;
};

using MaskEntries = std::array<MaskEntry, kMaskEntries>;

// The physical mask: over time it traces the horizon the antenna really
// sees (buildings, trees, terrain).
class PhysicalMask {
public:
    PhysicalMask() { Reset(); }

    // Every entry i becomes (i, 76, not observed).
    void Reset();

    // Satellites at `snrThreshold` or better lower the entries they are
    // below. Nothing happens unless one of them is used in the fix and below
    // the mask; then the unused ones lower theirs too. True when an entry
    // changed.
    bool Update(const PlotSatellites& satellites, int snrThreshold);

    const MaskEntries& Entries() const { return entries; }
    void Assign(const MaskEntries& newEntries) { entries = newEntries; }

private:
    MaskEntries entries;
};
