#include "views/skyplot/SatelliteTrails.h"

const TrailPoint& SatelliteTrails::Last(int slot) const {
    const int index = NextIndex(slot);
    return Point(slot, index == 0 ? kTrailPoints - 1 : index - 1);
}

TrailAppend SatelliteTrails::Append(int slot, const PlotSatellite& s) {
    const TrailPoint& last = Last(slot);
    if (last.prn == s.prn && last.azimuth == s.azimuth && last.elevation == s.elevation)
        return TrailAppend::Unchanged;
    uint16_t& index = next[static_cast<size_t>(slot)];
    TrailPoint& target = rings[static_cast<size_t>(slot)][index];
    const bool replaced = IsDrawable(target);
    target = {s.prn, s.azimuth, s.elevation, s.usedInFix, s.snr};
    index = static_cast<uint16_t>((index + 1) % kTrailPoints);
    return replaced ? TrailAppend::Replaced : TrailAppend::Added;
}

void SatelliteTrails::Clear() {
    for (auto& ring : rings)
        ring.fill(TrailPoint{});
    next.fill(0);
}
