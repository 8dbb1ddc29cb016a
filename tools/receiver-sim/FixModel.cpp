#include "FixModel.h"

#include "Dop.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kDeg = std::numbers::pi / 180.0;
constexpr double kEarthRadius = 6378137.0;
constexpr int kPrnCount = 32;
constexpr int kFixSlots = 12; // a GSA sentence lists at most twelve

// Carrier to noise density rises with elevation: less atmosphere, better antenna gain.
int SnrAt(double elevation, Rng& rng) {
    const double snr = 30 + 20 * std::sin(elevation * kDeg) + rng.Gaussian(0.7);
    return std::clamp(static_cast<int>(std::lround(snr)), 20, 52);
}

NavStatus StatusOf(FixStage stage) {
    if (stage == FixStage::NoFix) return NavStatus::NoFix;
    if (stage == FixStage::Coarse2D || stage == FixStage::Rough2D) return NavStatus::Fix2D;
    return NavStatus::Fix3D;
}

} // namespace

FixModel::FixModel(const SimConfig& config, uint64_t seed)
    : truth(config.position), horizon(config.horizon), geoidSeparation(config.geoidSeparation),
      noise(config.noise), pace(config.pace), rng(seed), wander(config.noise),
      clock(-rng.Uniform(600, 86400), rng.Uniform(-60, 60)) {}

std::vector<Notice> FixModel::Restart(ResetKind kind, double now,
                                      const std::vector<SkySatellite>& sky) {
    const double spread = 1 + pace.spread * rng.Uniform(-1, 1);
    convergence = Convergence(kind, now, pace.Nominal(kind) * spread);
    clock.Restart(now);

    std::vector<SkySatellite> visible;
    for (const SkySatellite& s : sky) {
        if (!horizon.Blocks(s.azimuth, s.elevation)) visible.push_back(s);
    }
    std::sort(visible.begin(), visible.end(), [](const SkySatellite& a, const SkySatellite& b) {
        return a.elevation > b.elevation;
    });
    acquisitionOrder.clear();
    for (const SkySatellite& s : visible)
        acquisitionOrder.push_back(s.prn);

    const double angle = rng.Uniform(0, 2 * std::numbers::pi);
    const double size = rng.Uniform(0.5, 1.0); // the error stays within the estimate
    biasNorth = size * std::cos(angle);
    biasEast = size * std::sin(angle);
    biasUp = size * rng.Uniform(-1, 1);

    std::vector<Notice> kept;
    if (kind == ResetKind::Hot) {
        for (int prn : acquisitionOrder)
            kept.push_back({NoticeKind::Ephemeris, prn});
    }
    if (kind != ResetKind::Cold) {
        for (int prn = 1; prn <= kPrnCount; ++prn)
            kept.push_back({NoticeKind::Almanac, prn});
    }
    return kept;
}

double FixModel::AcquiredAt(int prn) const {
    const auto it = std::find(acquisitionOrder.begin(), acquisitionOrder.end(), prn);
    const int count = static_cast<int>(acquisitionOrder.size());
    const int rank =
        it == acquisitionOrder.end() ? count : static_cast<int>(it - acquisitionOrder.begin());
    return convergence.AcquisitionTime(rank, count);
}

// Blocked satellites are listed with no signal. After a cold start the
// receiver has no almanac to predict the sky, so until its fix has converged
// it lists only the satellites it has found.
std::vector<SatReport> FixModel::Track(double now, const std::vector<SkySatellite>& sky) {
    const bool listAll = convergence.Settled() || convergence.Kind() != ResetKind::Cold ||
                         convergence.StageAt(now) == FixStage::Converged;
    std::vector<SatReport> sats;
    for (const SkySatellite& s : sky) {
        SatReport r;
        r.prn = s.prn;
        r.azimuth = static_cast<int>(std::lround(s.azimuth)) % 360;
        r.elevation = static_cast<int>(std::lround(s.elevation));
        r.tracked = !horizon.Blocks(s.azimuth, s.elevation) && now >= AcquiredAt(s.prn);
        r.snr = r.tracked ? SnrAt(s.elevation, rng) : 0;
        if (r.tracked || listAll) sats.push_back(r);
    }
    return sats;
}

// The highest tracked satellites above the receiver's mask, as many as the
// stage allows. Too few of them hold the fix back, whatever the stage.
FixStage FixModel::ChooseUsed(std::vector<SatReport>& sats, double now, int elevationMask) {
    std::vector<SatReport*> candidates;
    for (SatReport& s : sats) {
        if (s.tracked && s.elevation >= elevationMask) candidates.push_back(&s);
    }
    std::sort(candidates.begin(), candidates.end(),
              [](const SatReport* a, const SatReport* b) { return a->elevation > b->elevation; });
    const int available = static_cast<int>(candidates.size());
    FixStage stage = convergence.StageAt(now);
    if (available < 3) stage = FixStage::NoFix;
    if (available == 3) stage = std::min(stage, FixStage::Rough2D);
    if (stage == FixStage::NoFix) return stage;

    const int count = std::min({convergence.UsableAt(now), available, kFixSlots});
    for (int i = 0; i < count; ++i) {
        candidates[i]->used = true;
        candidates[i]->residual = rng.Gaussian(0.3 + 0.3 * noise);
    }
    return stage;
}

void FixModel::Locate(EpochReport& r, FixStage stage) {
    const double error = StageError(stage);
    const double north = wander.North() + biasNorth * error;
    const double east = wander.East() + biasEast * error;
    r.latitude = truth.latitude + north / kEarthRadius / kDeg;
    r.longitude = truth.longitude + east / (kEarthRadius * std::cos(truth.latitude * kDeg)) / kDeg;
    r.height = truth.height + wander.Up() + 1.5 * biasUp * error;
    r.horizontalError = stage == FixStage::Converged ? 1.5 * noise + 1.0 : error;
    r.verticalError = stage == FixStage::Converged ? 2.5 * noise + 1.5 : 1.5 * error;

    // A standing receiver sees only Doppler noise in its velocity.
    const double vNorth = rng.Gaussian(0.05);
    const double vEast = rng.Gaussian(0.05);
    r.speedKmh = 3.6 * std::hypot(vNorth, vEast);
    r.heading = std::fmod(std::atan2(vEast, vNorth) / kDeg + 360.0, 360.0);
}

EpochReport FixModel::Build(double now, int64_t utc, const std::vector<SkySatellite>& sky,
                            int elevationMask) {
    wander.Step(rng);
    clock.Step(rng);

    EpochReport r;
    r.utc = utc;
    r.receiverMilliseconds = clock.Milliseconds(now);
    r.clockDrift = clock.Drift();
    r.geoidSeparation = geoidSeparation;
    r.satellites = Track(now, sky);
    const FixStage stage = ChooseUsed(r.satellites, now, elevationMask);
    r.status = StatusOf(stage);
    r.timeFromFix = r.status != NavStatus::NoFix;
    if (r.status == NavStatus::NoFix) {
        r.pdop = r.hdop = r.vdop = kNoDop;
        return r;
    }
    Locate(r, stage);
    std::vector<LineOfSight> used;
    for (const SatReport& s : r.satellites) {
        if (s.used)
            used.push_back({static_cast<double>(s.azimuth), static_cast<double>(s.elevation)});
    }
    const Dops dops = ComputeDops(used, r.status == NavStatus::Fix2D);
    r.pdop = dops.pdop;
    r.hdop = dops.hdop;
    r.vdop = dops.vdop;
    return r;
}
