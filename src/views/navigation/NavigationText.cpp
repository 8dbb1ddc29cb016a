#include "views/navigation/NavigationText.h"

#include "nmea/CoordinateFormat.h"
#include "nmea/ReceiverState.h"

#include <cstdio>

namespace {

// Wide enough for any double printed with "%f": the decoders cut fields at
// 30 characters, but a long text is cut here rather than overrun.
using Line = char[400];

void AppendTimeAndDrift(std::string& text, const ReceiverState& state, double drift) {
    int hour = 0, minute = 0, second = 0;
    state.GetFixTime(hour, minute, second);
    Line line;
    std::snprintf(line, sizeof line, "Time:\t\t%02d:%02d:%02d             \n", hour, minute,
                  second);
    text += line;
    std::snprintf(line, sizeof line, "Clock Drift:\t%05.1f ns/s           \n", drift);
    text += line;
}

void AppendPosition(std::string& text, const ReceiverState& state, const ProfileStore& profile,
                    const UnitSystem& units) {
    double latitude = 0, longitude = 0, altitude = 0;
    state.GetPosition(latitude, longitude, altitude);
    text += "Lat\t\t\t" + FormatLatitude(latitude, profile);
    text += "\nLong:  \t\t" + FormatLongitude(longitude, profile) + "\n";
    Line line;
    std::snprintf(line, sizeof line, "%-8.02f %s     \n", altitude * units.heightFactor,
                  units.heightLabel);
    text += "Alt:\t\t\t";
    text += line;
}

void AppendSpeedAndHeading(std::string& text, const ReceiverState& state, const UnitSystem& units) {
    double knots = 0, heading = 0;
    state.GetSpeed(knots);
    state.GetHeading(heading);
    Line line;
    std::snprintf(line, sizeof line, "%-7.2f %s   \n", knots * units.speedFactor, units.speedLabel);
    text += "Speed:\t\t";
    text += line;
    std::snprintf(line, sizeof line, "%-3.0f    ", heading);
    text += "Heading:\t\t";
    text += line;
}

} // namespace

std::string NavigationText(const ReceiverState& state, const ProfileStore& profile) {
    double drift = 0;
    state.GetClockDrift(drift);
    const UnitSystem units = CurrentUnits(profile);
    std::string text;
    if (drift != 0.0) AppendTimeAndDrift(text, state, drift);
    AppendPosition(text, state, profile, units);
    if (drift == 0.0) AppendSpeedAndHeading(text, state, units);
    return text;
}
