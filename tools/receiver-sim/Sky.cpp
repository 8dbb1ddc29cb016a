#include "Sky.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kDeg = std::numbers::pi / 180.0;
constexpr int kPrnCount = 32;
constexpr double kMinRatePerMinute = 0.4;
constexpr double kMaxRatePerMinute = 0.6;
constexpr size_t kResting = 8; // leaves at least 10 PRNs free with 14 in view

} // namespace

Sky::Sky(int count, Rng& rng) {
    for (int i = 0; i < count; ++i)
        passes.push_back(NewPass(rng, rng.Uniform(-75, 75)));
}

Sky::Pass Sky::NewPass(Rng& rng, double phase) const {
    Pass p;
    p.prn = FreePrn(rng);
    p.culminationAzimuth = rng.Uniform(0, 360);
    p.maxElevation = rng.Uniform(15, 88);
    p.phase = phase;
    p.rate = rng.Uniform(kMinRatePerMinute, kMaxRatePerMinute) / 60.0;
    p.direction = rng.Chance(0.5) ? 1 : -1;
    return p;
}

int Sky::FreePrn(Rng& rng) const {
    for (;;) {
        const int prn = 1 + rng.Below(kPrnCount);
        const bool taken = std::any_of(passes.begin(), passes.end(),
                                       [prn](const Pass& p) { return p.prn == prn; });
        const bool rests = std::find(resting.begin(), resting.end(), prn) != resting.end();
        if (!taken && !rests) return prn;
    }
}

void Sky::Advance(double seconds, Rng& rng) {
    for (Pass& p : passes) {
        p.phase += p.rate * seconds;
        if (p.phase <= 90) continue;
        resting.push_back(p.prn);
        if (resting.size() > kResting) resting.pop_front();
        p = NewPass(rng, -90); // set: another one rises
    }
}

// The track is the great circle through the culmination point whose highest
// point that is: the culmination direction turned by `phase` towards a
// horizontal direction at right angles to it.
SkySatellite Sky::Locate(const Pass& p) {
    const double a = p.culminationAzimuth * kDeg;
    const double e = p.maxElevation * kDeg;
    const double s = p.phase * kDeg;
    const double east =
        std::sin(a) * std::cos(e) * std::cos(s) + p.direction * std::cos(a) * std::sin(s);
    const double north =
        std::cos(a) * std::cos(e) * std::cos(s) - p.direction * std::sin(a) * std::sin(s);
    const double up = std::sin(e) * std::cos(s);
    double azimuth = std::atan2(east, north) / kDeg;
    if (azimuth < 0) azimuth += 360;
    return {p.prn, azimuth, std::asin(std::clamp(up, -1.0, 1.0)) / kDeg};
}

std::vector<SkySatellite> Sky::Positions() const {
    std::vector<SkySatellite> out;
    out.reserve(passes.size());
    for (const Pass& p : passes)
        out.push_back(Locate(p));
    std::sort(out.begin(), out.end(),
              [](const SkySatellite& x, const SkySatellite& y) { return x.prn < y.prn; });
    return out;
}
