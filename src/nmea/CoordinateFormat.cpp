#include "nmea/CoordinateFormat.h"

#include "profile/ProfileStore.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr double kDegreesToRadians = 0.017453292519943334;
constexpr double kEarthRadius = 6371000;
constexpr double kMetresToMiles = 0.0006213711922373339;

enum class Axis { Latitude, Longitude };

int PositionFormat(const ProfileStore& profile) {
    return profile.GetInt("Settings", "PositionFormat", 0);
}

// Minutes are rounded to five decimals without carrying into the degrees,
// so 47.999999999 shows as 47 degrees 60.00000 minutes.
std::string Format(double value, Axis axis, int format) {
    const bool lat = axis == Axis::Latitude;
    const char hemisphere = value < 0 ? (lat ? 'S' : 'W') : (lat ? 'N' : 'E');
    // Receivers send at most 180 degrees; anything not even a number reads 0
    // rather than overflowing the integer parts below.
    const double a = std::isfinite(value) && std::fabs(value) < 1e9 ? std::fabs(value) : 0.0;
    const unsigned long d = static_cast<unsigned long>(a);
    const unsigned long t =
        static_cast<unsigned long>((a - static_cast<double>(d)) * 6000000 + 0.5);
    char text[64];
    switch (format) {
    case 0:
        std::snprintf(text, sizeof text, lat ? "%02lu° %08.05f %c  " : "%03lu° %08.05f %c   ", d,
                      static_cast<double>(t) * 0.00001, hemisphere);
        break;
    case 1: {
        const int minutes = static_cast<int>(t / 100000);
        const double seconds = static_cast<double>(t % 100000) * 0.00001 * 60;
        std::snprintf(text, sizeof text,
                      lat ? "%02lu° %02d' %07.04f %c  " : "%03lu° %02d' %07.04f %c   ", d, minutes,
                      seconds, hemisphere);
        break;
    }
    case 2:
        std::snprintf(text, sizeof text, lat ? "%014.011f° %c  " : "%014.011f° %c   ", a,
                      hemisphere);
        break;
    default:
        return lat ? "ERROR" : "";
    }
    return text;
}

} // namespace

std::string FormatLatitude(double latitude, const ProfileStore& profile) {
    return Format(latitude, Axis::Latitude, PositionFormat(profile));
}

std::string FormatLongitude(double longitude, const ProfileStore& profile) {
    return Format(longitude, Axis::Longitude, PositionFormat(profile));
}

double DistanceMiles(double lat1, double lon1, double lat2, double lon2) {
    const double k = kDegreesToRadians;
    const double c = std::cos((lat1 * k + lat2 * k) * 0.5);
    const double dy = lat2 * k * kEarthRadius - lat1 * k * kEarthRadius;
    const double dx = lon2 * k * c * kEarthRadius - lon1 * k * c * kEarthRadius;
    if (dx == 0 && dy == 0) return 0;
    return std::sqrt(dx * dx + dy * dy) * kMetresToMiles;
}

UnitSystem UnitsFor(int unitsSetting) {
    if (unitsSetting == 1) return {kMetresToFeet, "ft", kKnotsToMph, "mph"};
    return {1.0, "m", kKnotsToKph, "kph"};
}

UnitSystem CurrentUnits(const ProfileStore& profile) {
    return UnitsFor(profile.GetInt("Settings", "Units", 1));
}
