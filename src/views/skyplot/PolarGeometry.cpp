#include "views/skyplot/PolarGeometry.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Truncated towards zero, as the plot has always placed its points; bounded
// so that an absurd elevation from a file or a sentence cannot overflow.
int Truncated(double offset) {
    return static_cast<int>(std::clamp(offset, -1e9, 1e9));
}

struct Trig {
    double sin, cos;
};

// Plot data comes in whole degrees: their sines and cosines once, computed
// exactly as for any other azimuth.
const std::array<Trig, 360>& WholeDegrees() {
    static const std::array<Trig, 360> table = [] {
        std::array<Trig, 360> t{};
        for (int az = 0; az < 360; ++az) {
            const double angle = az * PolarGeometry::kRadiansPerDegree;
            t[static_cast<size_t>(az)] = {std::sin(angle), std::cos(angle)};
        }
        return t;
    }();
    return table;
}

Trig TrigOf(double azimuth) {
    if (azimuth >= 0 && azimuth < 360 && azimuth == std::floor(azimuth))
        return WholeDegrees()[static_cast<size_t>(azimuth)];
    const double angle = azimuth * PolarGeometry::kRadiansPerDegree;
    return {std::sin(angle), std::cos(angle)};
}

} // namespace

PolarGeometry PolarGeometry::ForRect(int left, int top, int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    return {left + width / 2, top + height / 2, std::min(width, height) / 2.0};
}

PolarGeometry PolarGeometry::ForClient(int width, int height) {
    constexpr int inset = kClientMargin + kBorderWidth;
    return ForRect(inset, inset, width - 2 * inset, height - 2 * inset);
}

PlotPoint PolarGeometry::Map(double azimuth, double elevation) const {
    const Trig trig = TrigOf(azimuth);
    const double r = Scale() * (90 - elevation);
    return {cx + Truncated(r * trig.sin), cy + Truncated(r * -trig.cos)};
}
