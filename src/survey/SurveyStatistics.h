#pragma once

#include "survey/SurveySample.h"
#include "survey/TruthPosition.h"

#include <array>
#include <cstdint>

// Running statistics that stay exact over millions of fixes: every axis keeps
// its first value as an origin and centred running sums (Welford's updates),
// so centimetre noise on a value of 180 degrees loses nothing to rounding.

// The mean of one axis and the spread about it.
class MeanAccumulator {
public:
    void Add(double value);
    void Reset() { *this = {}; }

    uint32_t Count() const { return count; }
    double Mean() const { return count ? origin + meanOffset : 0.0; }
    // Population standard deviation about the final mean.
    double StdDev() const;
    // Root mean square distance from `reference` (the truth position).
    double RmsAbout(double reference) const;

private:
    double origin = 0;
    double meanOffset = 0; // mean - origin
    double sumDev2 = 0;    // sum of squared deviations from the mean
    uint32_t count = 0;
};

// A straight line fitted to one axis against the arrival index 1, 2, ... n.
class LeastSquaresAccumulator {
public:
    void Add(double y);
    void Reset() { *this = {}; }

    uint32_t Count() const { return count; }
    double Slope() const; // per sample
    // The line one step ahead, at n + 1: where the next fix is expected.
    // With one point, the point itself; with none, 0.
    double Value() const;
    // Residual spread: square root of (sum of squared residuals / n).
    double StdDev() const;

private:
    double origin = 0;
    double meanY = 0; // of y - origin
    double sxy = 0;   // centred co-moment of index and y
    double syy = 0;
    uint32_t count = 0;
};

enum class Axis { Latitude, Longitude, Altitude };

// Samples by HDOP: up to 1.0, above 1.0 to 2.0, above 2.0.
struct HdopHistogram {
    std::array<uint32_t, 3> counts{};

    // Each bin as a percentage of `samples` (all stored samples); 0 without any.
    std::array<double, 3> Percent(uint32_t samples) const;
};

// What the survey computes from its samples. Thresholds in DOP tenths.
class SurveyStatistics {
public:
    static constexpr uint16_t kDefaultThreshold = 30;

    void SetThresholds(uint16_t hdop10, uint16_t vdop10);
    uint16_t HdopThreshold() const { return hdopThreshold; }
    uint16_t VdopThreshold() const { return vdopThreshold; }

    // One sample: latitude and longitude enter when 0 < HDOP <= threshold,
    // the altitude when 0 < VDOP <= threshold on a 3-D fix; every sample
    // counts in the histogram. PDOP is not used.
    void UpdateStatistics(const SurveySample& sample);
    void Reset(); // thresholds stay

    const MeanAccumulator& Mean(Axis axis) const { return means[Index(axis)]; }
    const LeastSquaresAccumulator& Fit(Axis axis) const { return fits[Index(axis)]; }
    uint32_t HorizontalSampleCount() const { return means[0].Count(); }
    const HdopHistogram& Histogram() const { return histogram; }

private:
    static size_t Index(Axis axis) { return static_cast<size_t>(axis); }

    std::array<MeanAccumulator, 3> means;
    std::array<LeastSquaresAccumulator, 3> fits;
    HdopHistogram histogram;
    uint16_t hdopThreshold = kDefaultThreshold;
    uint16_t vdopThreshold = kDefaultThreshold;
};

// Lengths as the views show them, from "Settings"/"Units" (1 statute).
struct SurveyUnits {
    double lengthFactor; // metres to the unit, for altitudes
    const char* lengthLabel;
    double distanceFactor; // statute miles to the unit, for distances
};
SurveyUnits SurveyUnitsFor(int unitsSetting);

// The figures the statistics pane, the printed report and harrowctl show.
// Positions in degrees, altitudes and deviations in the unit's lengths.
// With the truth in use the means are the truth position and the
// deviations are distances from it.
struct SurveySummary {
    uint32_t samples = 0;
    uint32_t horizontalSamples = 0;
    uint32_t verticalSamples = 0;
    double meanLatitude = 0, meanLongitude = 0, meanAltitude = 0;
    double sigmaNorth = 0, sigmaEast = 0, sigmaUp = 0;
    double lsfLatitude = 0, lsfLongitude = 0, lsfAltitude = 0;
    double lsfSigmaNorth = 0, lsfSigmaEast = 0, lsfSigmaUp = 0;
    std::array<double, 3> hdopPercent{};

    bool operator==(const SurveySummary&) const = default;
};

SurveySummary Summarise(const SurveyStatistics& statistics, uint32_t sampleCount,
                        const TruthPosition& truth, const SurveyUnits& units);
