#include "views/signal/SignalBarStyle.h"

#include <algorithm>
#include <cstdio>

Rgb BarColour(const SignalBar& bar) {
    if (bar.prn > kMaxPrn) return {0, 252, 0};
    if (bar.tracked == 0) return {128, 128, 128};
    if (bar.usedInFix != 0) return {0, 0, 255};
    return {252, 145, 66};
}

int LabelFontTenths(int pitch) {
    return std::min(3 * pitch, 100);
}

std::string ValueLabel(int snrDbHz, CnoUnit unit) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", ToDisplayUnit(snrDbHz, unit));
    return text;
}

std::string SatelliteLabel(const SignalBar& bar) {
    return std::to_string(bar.prn) + "\n" + std::to_string(bar.elevation);
}
