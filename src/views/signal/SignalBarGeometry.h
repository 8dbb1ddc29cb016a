#pragma once

// A rectangle in device pixels; right and bottom are one past the last
// pixel, so width = right - left.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const PixelRect&) const = default;
};

// Where the bars of a chart go in its client rectangle: side by side at an
// equal pitch, each a sunken frame around a slot, with 32 pixels under the
// slots for the PRN and elevation. A window too small for a slot gets empty
// rectangles, never inverted ones.
class SignalBarGeometry {
public:
    SignalBarGeometry(const PixelRect& client, int barCount);

    int Pitch() const { return pitch; } // 0 without bars
    PixelRect Frame(int index) const;
    PixelRect Slot(int index) const;
    // Under the slot, two lines of text high.
    PixelRect LabelArea(int index, int textHeight) const;

private:
    PixelRect client;
    int pitch = 0;
};

// Height in pixels of a bar for `snr` in a slot `plotHeight` high, the
// signal limited to the thresholds. When the thresholds are equal (auto track
// with a single signal seen) there is no scale: a signal at or above them
// fills the slot, one below leaves it empty.
int BarHeight(int snr, int lowerThreshold, int upperThreshold, int plotHeight);
// Height of the level line; 0 (no line) unless the level lies strictly
// between the thresholds.
int LevelMarkHeight(int level, int lowerThreshold, int upperThreshold, int plotHeight);

// The parts of a slot: the bar at its bottom, the background above it and the
// two-pixel level line.
PixelRect BarRect(const PixelRect& slot, int barHeight);
PixelRect AboveBarRect(const PixelRect& slot, int barHeight);
PixelRect LevelMarkRect(const PixelRect& slot, int markHeight);
