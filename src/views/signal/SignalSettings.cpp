#include "views/signal/SignalSettings.h"

#include "profile/ProfileStore.h"

namespace {

constexpr const char* kSection = "SignalQuality";

} // namespace

SignalSettings LoadSignalSettings(const ProfileStore& profile) {
    const SignalSettings defaults;
    SignalSettings s;
    s.lowerThreshold = profile.GetInt(kSection, "LowerThreshold", defaults.lowerThreshold);
    s.upperThreshold = profile.GetInt(kSection, "UpperThreshold", defaults.upperThreshold);
    s.autoTrack = profile.GetInt(kSection, "EnableAutoTrack", 1) == 1;
    s.units = CnoUnitFromInt(profile.GetInt(kSection, "CNOUnits", 0));
    return s;
}

void SaveSignalThresholds(ProfileStore& profile, const SignalSettings& settings) {
    profile.SetInt(kSection, "UpperThreshold", settings.upperThreshold);
    profile.SetInt(kSection, "LowerThreshold", settings.lowerThreshold);
    profile.SetInt(kSection, "EnableAutoTrack", settings.autoTrack ? 1 : 0);
}

void SaveSignalSettings(ProfileStore& profile, const SignalSettings& settings) {
    SaveSignalThresholds(profile, settings);
    profile.SetInt(kSection, "CNOUnits", static_cast<int>(settings.units));
}
