#include "views/skyplot/PlotSatellites.h"

#include <algorithm>

PlotSatellites SlotsFromTable(const SatelliteTable& table, int inView) {
    PlotSatellites slots{};
    const int rows = std::clamp(inView, 0, kMaxSatellites);
    for (int i = 0; i < rows; ++i) {
        const SatelliteInfo& row = table[static_cast<size_t>(i)];
        slots[static_cast<size_t>(i)] = {row.prn,       row.azimuth, row.elevation,
                                         row.usedInFix, row.snr,     row.snrAux};
    }
    return slots;
}
