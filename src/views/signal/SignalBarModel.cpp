#include "views/signal/SignalBarModel.h"

#include <algorithm>

void SignalBarModel::Update(const SatelliteTable& table, int satellitesInView, int level) {
    barCount = std::clamp(satellitesInView, 0, kMaxSignalBars);
    for (int i = 0; i < barCount; ++i) {
        const SatelliteInfo& row = table[i];
        bars[i] = {row.prn, row.elevation, row.snr, row.tracked, row.snrAux, row.usedInFix};
        Observe(row.snr);
    }
    polyiLevel = level;
    // Until a signal has been seen the extremes are placeholders, not a range
    // the thresholds could follow.
    if (settings.autoTrack && observedMax >= observedMin) {
        settings.upperThreshold = observedMax;
        settings.lowerThreshold = observedMin;
    }
}

void SignalBarModel::Observe(int snr) {
    if (snr == 0) return;
    observedMax = std::max(observedMax, snr);
    observedMin = std::min(observedMin, snr);
}

void SignalBarModel::ResetObserved() {
    observedMax = kNoObservedMax;
    observedMin = kNoObservedMin;
}
