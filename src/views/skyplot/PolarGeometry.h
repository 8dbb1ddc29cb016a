#pragma once

struct PlotPoint {
    int x = 0;
    int y = 0;

    bool operator==(const PlotPoint&) const = default;
};

// The polar plot's mapping of (azimuth, elevation) in degrees to pixels:
// north up, azimuth clockwise, the zenith at the centre, elevation 0 on the
// rim of radius R.
class PolarGeometry {
public:
    static constexpr double kScalePerDegree = 0.011111111111111112; // 1/90
    static constexpr double kRadiansPerDegree = 0.017453292519943334;
    // Around the plot: a margin, then a sunken border of this width.
    static constexpr int kClientMargin = 5;
    static constexpr int kBorderWidth = 2;

    PolarGeometry() = default;
    PolarGeometry(int centerX, int centerY, double radius)
        : cx(centerX), cy(centerY), radius(radius) {}

    // The largest plot centred in a rectangle.
    static PolarGeometry ForRect(int left, int top, int width, int height);
    // The plot of a window's client area, inside its margin and border.
    static PolarGeometry ForClient(int width, int height);

    int CenterX() const { return cx; }
    int CenterY() const { return cy; }
    double Radius() const { return radius; }
    // Pixels per degree of elevation.
    double Scale() const { return radius * kScalePerDegree; }

    PlotPoint Map(double azimuth, double elevation) const;

private:
    int cx = 0;
    int cy = 0;
    double radius = 0;
};
