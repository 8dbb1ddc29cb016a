#pragma once

#include <optional>
#include <string_view>
#include <vector>

// A wall or building: between two azimuths, clockwise from the first, the
// sky is hidden below `elevation`.
struct MaskSector {
    double fromAzimuth = 0;
    double toAzimuth = 0;
    double elevation = 0;
};

// What hides satellites from the antenna. A blocked satellite stays in view
// (its position is known) but gives no signal.
class HorizonMask {
public:
    void SetElevation(double degrees) { base = degrees; }
    void AddSector(const MaskSector& sector) { sectors.push_back(sector); }

    double LimitAt(double azimuth) const;
    bool Blocks(double azimuth, double elevation) const { return elevation < LimitAt(azimuth); }

    // "AZ1-AZ2:EL", e.g. "300-30:25" (across north).
    static std::optional<MaskSector> ParseSector(std::string_view text);

private:
    double base = 0;
    std::vector<MaskSector> sectors;
};
