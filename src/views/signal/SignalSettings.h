#pragma once

#include "views/signal/SignalUnits.h"

class ProfileStore;

// The window's settings as kept in the profile section "SignalQuality".
// Thresholds are in dB/Hz whatever the display unit.
struct SignalSettings {
    int lowerThreshold = 30;
    int upperThreshold = 60;
    bool autoTrack = true;
    CnoUnit units = CnoUnit::DbHz;

    bool operator==(const SignalSettings&) const = default;
};

SignalSettings LoadSignalSettings(const ProfileStore& profile);
// What Apply writes: the thresholds and auto track, not the unit.
void SaveSignalThresholds(ProfileStore& profile, const SignalSettings& settings);
// What OK writes: everything.
void SaveSignalSettings(ProfileStore& profile, const SignalSettings& settings);
