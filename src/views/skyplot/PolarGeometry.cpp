#include "views/skyplot/PolarGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

// Truncated towards zero, as the plot has always placed its points; bounded
// so that an absurd elevation from a file or a sentence cannot overflow.
int Truncated(double offset) {
    return static_cast<int>(std::clamp(offset, -1e9, 1e9));
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
    const double angle = azimuth * kRadiansPerDegree;
    const double r = Scale() * (90 - elevation);
    return {cx + Truncated(r * std::sin(angle)), cy + Truncated(r * -std::cos(angle))};
}
