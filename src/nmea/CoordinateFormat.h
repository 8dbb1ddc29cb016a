#pragma once

#include <string>

class ProfileStore;

// Position texts shared by every window, in the user's chosen format
// ("Settings"/"PositionFormat": 0 degrees and decimal minutes, 1 degrees,
// minutes and seconds, 2 decimal degrees), read at every call.
std::string FormatLatitude(double latitude, const ProfileStore& profile);
std::string FormatLongitude(double longitude, const ProfileStore& profile);

// Flat-earth distance in statute miles, good for survey scatter.
double DistanceMiles(double lat1, double lon1, double lat2, double lon2);

// The state holds metres and knots; views convert by "Settings"/"Units"
// (1 statute, anything else metric).
struct UnitSystem {
    double heightFactor; // from metres
    const char* heightLabel;
    double speedFactor; // from knots
    const char* speedLabel;
};

constexpr double kMetresToFeet = 3.2808398950131235;
constexpr double kKnotsToMph = 1.1507794480235425;
constexpr double kKnotsToKph = 1.852;

UnitSystem UnitsFor(int unitsSetting);
UnitSystem CurrentUnits(const ProfileStore& profile);
