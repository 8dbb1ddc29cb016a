#pragma once

#include "views/skyplot/SkyPlotModel.h"

#include <string_view>

class ProfileStore;

// The sky plot's profile section and its entries.
namespace skyplot_profile {
inline constexpr std::string_view kSection = "AzimuthElevation";
inline constexpr std::string_view kLastMaskFile = "LastAzimuthMaskFile";
inline constexpr std::string_view kEnableAutoLoad = "EnableAutoLoad";
inline constexpr std::string_view kEnableTrails = "EnableTrails";
inline constexpr std::string_view kSnrThreshold = "SNRThreshold";
inline constexpr std::string_view kEnableSatDetails = "EnableSatDetails";
inline constexpr std::string_view kEnableMaskAngle = "EnableMaskAngle";
} // namespace skyplot_profile

// What the window reads when it is made; the defaults where the profile has
// nothing.
SkyPlotOptions ReadSkyPlotOptions(const ProfileStore& profile);
int ReadEnableAutoLoad(const ProfileStore& profile);
