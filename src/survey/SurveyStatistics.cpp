#include "survey/SurveyStatistics.h"

#include "nmea/CoordinateFormat.h"

#include <cmath>

void MeanAccumulator::Add(double value) {
    if (count++ == 0) origin = value;
    const double d = value - origin;
    const double before = d - meanOffset;
    meanOffset += before / count;
    sumDev2 += before * (d - meanOffset);
}

double MeanAccumulator::StdDev() const {
    return count ? std::sqrt(sumDev2 / count) : 0.0;
}

double MeanAccumulator::RmsAbout(double reference) const {
    if (count == 0) return 0.0;
    const double offset = meanOffset - (reference - origin);
    return std::sqrt(sumDev2 / count + offset * offset);
}

// The index x runs 1..n, so its mean (n + 1) / 2 and its centred sum of
// squares n (n^2 - 1) / 12 need no accumulating.
void LeastSquaresAccumulator::Add(double y) {
    const double n = ++count;
    if (count == 1) origin = y;
    const double d = y - origin;
    const double dx = n - n / 2; // x - mean of the earlier indices
    const double dy = d - meanY;
    meanY += dy / n;
    sxy += dx * (d - meanY);
    syy += dy * (d - meanY);
}

double LeastSquaresAccumulator::Slope() const {
    const double n = count;
    return count < 2 ? 0.0 : sxy / (n * (n * n - 1) / 12);
}

double LeastSquaresAccumulator::Value() const {
    if (count == 0) return 0.0;
    return origin + meanY + Slope() * (count + 1.0) / 2;
}

double LeastSquaresAccumulator::StdDev() const {
    if (count == 0) return 0.0;
    return std::sqrt(std::max(0.0, syy - Slope() * sxy) / count);
}

std::array<double, 3> HdopHistogram::Percent(uint32_t samples) const {
    std::array<double, 3> percent{};
    if (samples == 0) return percent;
    for (size_t i = 0; i < counts.size(); ++i)
        percent[i] = static_cast<double>(counts[i]) * 100.0 / samples;
    return percent;
}

void SurveyStatistics::SetThresholds(uint16_t hdop10, uint16_t vdop10) {
    hdopThreshold = hdop10;
    vdopThreshold = vdop10;
}

void SurveyStatistics::UpdateStatistics(const SurveySample& s) {
    if (s.hdop10 != 0 && s.hdop10 <= hdopThreshold) {
        means[0].Add(s.latitude);
        means[1].Add(s.longitude);
        fits[0].Add(s.latitude);
        fits[1].Add(s.longitude);
    }
    if (s.vdop10 != 0 && s.vdop10 <= vdopThreshold && s.fix3D == 1) {
        means[2].Add(s.altitude);
        fits[2].Add(s.altitude);
    }
    ++histogram.counts[s.hdop10 <= 10 ? 0 : s.hdop10 <= 20 ? 1 : 2];
}

void SurveyStatistics::Reset() {
    for (auto& m : means)
        m.Reset();
    for (auto& f : fits)
        f.Reset();
    histogram = {};
}

SurveyUnits SurveyUnitsFor(int unitsSetting) {
    if (unitsSetting == 1) return {kMetresToFeet, "ft", 5280.0};
    return {1.0, "m", 1609.344};
}

SurveySummary Summarise(const SurveyStatistics& statistics, uint32_t sampleCount,
                        const TruthPosition& truth, const SurveyUnits& units) {
    const MeanAccumulator& lat = statistics.Mean(Axis::Latitude);
    const MeanAccumulator& lon = statistics.Mean(Axis::Longitude);
    const MeanAccumulator& alt = statistics.Mean(Axis::Altitude);
    const auto north = [&](double la, double lo, double sd) {
        return DistanceMiles(la, lo, la + sd, lo) * units.distanceFactor;
    };
    const auto east = [&](double la, double lo, double sd) {
        return DistanceMiles(la, lo, la, lo + sd) * units.distanceFactor;
    };

    SurveySummary s;
    s.samples = sampleCount;
    s.horizontalSamples = lat.Count();
    s.verticalSamples = alt.Count();
    s.meanLatitude = truth.use ? truth.latitude : lat.Mean();
    s.meanLongitude = truth.use ? truth.longitude : lon.Mean();
    const double altitude = truth.use ? truth.altitude : alt.Mean();
    const double latSd = truth.use ? lat.RmsAbout(truth.latitude) : lat.StdDev();
    const double lonSd = truth.use ? lon.RmsAbout(truth.longitude) : lon.StdDev();
    const double altSd = truth.use ? alt.RmsAbout(truth.altitude) : alt.StdDev();
    s.meanAltitude = altitude * units.lengthFactor;
    s.sigmaNorth = north(s.meanLatitude, s.meanLongitude, latSd);
    s.sigmaEast = east(s.meanLatitude, s.meanLongitude, lonSd);
    s.sigmaUp = altSd * units.lengthFactor;

    const LeastSquaresAccumulator& fitLat = statistics.Fit(Axis::Latitude);
    const LeastSquaresAccumulator& fitLon = statistics.Fit(Axis::Longitude);
    const LeastSquaresAccumulator& fitAlt = statistics.Fit(Axis::Altitude);
    s.lsfLatitude = fitLat.Value();
    s.lsfLongitude = fitLon.Value();
    s.lsfAltitude = fitAlt.Value() * units.lengthFactor;
    s.lsfSigmaNorth = north(s.lsfLatitude, s.lsfLongitude, fitLat.StdDev());
    s.lsfSigmaEast = east(s.lsfLatitude, s.lsfLongitude, fitLon.StdDev());
    s.lsfSigmaUp = fitAlt.StdDev() * units.lengthFactor;
    s.hdopPercent = statistics.Histogram().Percent(sampleCount);
    return s;
}
