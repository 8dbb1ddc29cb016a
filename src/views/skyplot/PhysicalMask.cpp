#include "views/skyplot/PhysicalMask.h"

#include <algorithm>

namespace {

bool IsMaskAzimuth(int32_t azimuth) {
    return azimuth >= 0 && azimuth < kMaskEntries;
}

// Received well enough to shape the mask, and below it.
bool Lowers(const PlotSatellite& s, const MaskEntries& mask, int snrThreshold) {
    if ((s.azimuth == 0 && s.elevation == 0) || s.snr < snrThreshold) return false;
    if (!IsMaskAzimuth(s.azimuth)) return false;
    return s.elevation < mask[static_cast<size_t>(s.azimuth)].maskElevation;
}

} // namespace

void PhysicalMask::Reset() {
    for (int i = 0; i < kMaskEntries; ++i)
        entries[static_cast<size_t>(i)] = {i, kMaskResetElevation, 0};
}

bool PhysicalMask::Update(const PlotSatellites& satellites, int snrThreshold) {
    const bool started = std::any_of(satellites.begin(), satellites.end(), [&](const auto& s) {
        return s.usedInFix == 1 && Lowers(s, entries, snrThreshold);
    });
    if (!started) return false;
    bool changed = false;
    for (const PlotSatellite& s : satellites) {
        if (!Lowers(s, entries, snrThreshold)) continue;
        MaskEntry& entry = entries[static_cast<size_t>(s.azimuth)];
        entry.maskElevation = s.elevation;
        entry.observed = 1;
        changed = true;
    }
    return changed;
}
