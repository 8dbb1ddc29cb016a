#include "views/signal/SignalBarGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

// Right and bottom no smaller than left and top.
PixelRect Ordered(int left, int top, int right, int bottom) {
    return {left, top, std::max(left, right), std::max(top, bottom)};
}

int ScaledHeight(int value, int lowerThreshold, int upperThreshold, int plotHeight) {
    // One rounding only, so that a value a whole number of pixels high is not
    // cut short by a pixel.
    const double product = static_cast<double>(value - lowerThreshold) * plotHeight;
    return static_cast<int>(std::trunc(product / (upperThreshold - lowerThreshold)));
}

} // namespace

SignalBarGeometry::SignalBarGeometry(const PixelRect& client, int barCount) : client(client) {
    if (barCount > 0) pitch = std::max(0, (client.right - 1 - (client.left + 1)) / barCount);
}

PixelRect SignalBarGeometry::Frame(int index) const {
    const int left = client.left + index * pitch;
    return Ordered(left + 2, client.top + 2, left + pitch, client.bottom - 31);
}

PixelRect SignalBarGeometry::Slot(int index) const {
    const int left = client.left + index * pitch;
    return Ordered(left + 3, client.top + 3, left + pitch, client.bottom - 32);
}

PixelRect SignalBarGeometry::LabelArea(int index, int textHeight) const {
    const PixelRect slot = Slot(index);
    return Ordered(slot.left, slot.bottom + 2, slot.right + 1, slot.bottom + 1 + 2 * textHeight);
}

int BarHeight(int snr, int lowerThreshold, int upperThreshold, int plotHeight) {
    if (upperThreshold == lowerThreshold) return snr >= upperThreshold ? plotHeight : 0;
    // Thresholds the wrong way round clamp every value to the lower one: no bar.
    const int value = std::max(std::min(snr, upperThreshold), lowerThreshold);
    return ScaledHeight(value, lowerThreshold, upperThreshold, plotHeight);
}

int LevelMarkHeight(int level, int lowerThreshold, int upperThreshold, int plotHeight) {
    if (level <= lowerThreshold || level >= upperThreshold) return 0;
    return ScaledHeight(level, lowerThreshold, upperThreshold, plotHeight);
}

PixelRect BarRect(const PixelRect& slot, int barHeight) {
    return {slot.left, slot.bottom - barHeight, slot.right, slot.bottom};
}

PixelRect AboveBarRect(const PixelRect& slot, int barHeight) {
    return Ordered(slot.left, slot.top, slot.right, slot.bottom - barHeight + 1);
}

PixelRect LevelMarkRect(const PixelRect& slot, int markHeight) {
    return {slot.left, slot.bottom - markHeight - 1, slot.right, slot.bottom - markHeight + 1};
}
