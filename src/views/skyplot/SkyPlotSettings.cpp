#include "views/skyplot/SkyPlotSettings.h"

#include "profile/ProfileStore.h"

using namespace skyplot_profile;

SkyPlotOptions ReadSkyPlotOptions(const ProfileStore& profile) {
    SkyPlotOptions options;
    options.enableTrails = profile.GetInt(kSection, kEnableTrails, 1);
    options.snrThreshold = profile.GetInt(kSection, kSnrThreshold, 40);
    options.enableSatDetails = profile.GetInt(kSection, kEnableSatDetails, 1);
    options.enableMaskAngle = profile.GetInt(kSection, kEnableMaskAngle, 1);
    return options;
}

int ReadEnableAutoLoad(const ProfileStore& profile) {
    return profile.GetInt(kSection, kEnableAutoLoad, 1);
}
