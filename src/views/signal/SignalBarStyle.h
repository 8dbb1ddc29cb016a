#pragma once

#include "views/signal/SignalBarModel.h"
#include "views/signal/SignalUnits.h"

#include <cstdint>
#include <string>

struct Rgb {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;

    bool operator==(const Rgb&) const = default;
};

// GPS satellites by tracking state: gray not tracked, blue used in the fix,
// orange tracked but not used. Anything above PRN 32 (augmentation
// satellites) is green.
Rgb BarColour(const SignalBar& bar);
inline constexpr Rgb kLevelMarkColour{252, 0, 0};

// The label font's size in tenths of a point: grows with the bar pitch, at
// most 10 points.
int LabelFontTenths(int pitch);

// The signal over the bar in the display unit, at least two digits ("05").
std::string ValueLabel(int snrDbHz, CnoUnit unit);
// Under the bar: the PRN, and the elevation on a second line.
std::string SatelliteLabel(const SignalBar& bar);
