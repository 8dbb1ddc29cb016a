#pragma once

#include "nmea/ReceiverState.h"
#include "views/signal/SignalSettings.h"

#include <array>

constexpr int kMaxSignalBars = 32;
// The observed extremes before any signal has been seen.
constexpr int kNoObservedMax = -999;
constexpr int kNoObservedMin = 999;

// One satellite as the bar chart shows it (a row of the satellite table).
struct SignalBar {
    int prn = 0;
    int elevation = 0;
    int snr = 0; // dB/Hz; 0 when nothing is received
    int tracked = 0;
    int snrAux = 0;
    int usedInFix = 0;

    bool operator==(const SignalBar&) const = default;
};

// What the signal window shows: the bars, the thresholds that scale them,
// the extremes seen since the window opened (or the last reset) and the
// receiver's level line. Updated once a second from the receiver state;
// painting only reads it.
class SignalBarModel {
public:
    explicit SignalBarModel(const SignalSettings& settings) : settings(settings) {}

    // Takes the first `satellitesInView` rows (at most 32), folds their
    // signals into the observed extremes and, with auto track on, lets the
    // thresholds follow those extremes.
    void Update(const SatelliteTable& table, int satellitesInView, int polyiLevel);
    void ResetObserved();

    const SignalSettings& Settings() const { return settings; }
    void SetSettings(const SignalSettings& value) { settings = value; }

    int BarCount() const { return barCount; }
    const SignalBar& Bar(int index) const { return bars.at(index); }
    int ObservedMax() const { return observedMax; }
    int ObservedMin() const { return observedMin; }
    int PolyiLevel() const { return polyiLevel; }

private:
    void Observe(int snr);

    SignalSettings settings;
    std::array<SignalBar, kMaxSignalBars> bars{};
    int barCount = 8; // empty frames until the first update
    int observedMax = kNoObservedMax;
    int observedMin = kNoObservedMin;
    int polyiLevel = 0;
};
