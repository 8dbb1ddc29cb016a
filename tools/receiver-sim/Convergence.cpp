#include "Convergence.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kAcquireFrom = 0.10;
constexpr double kAcquireTo = 0.55;
constexpr double kCoarse2D = 0.60;
constexpr double kRough2D = 0.75;
constexpr double kFirst3D = 0.90;
constexpr double kFine3D = 1.00;
constexpr double kConverged = 1.25;

} // namespace

double StageError(FixStage stage) {
    switch (stage) {
    case FixStage::NoFix:
    case FixStage::Coarse2D:
        return 10000;
    case FixStage::Rough2D:
        return 600;
    case FixStage::First3D:
        return 100;
    case FixStage::Fine3D:
        return 50;
    case FixStage::Converged:
        break;
    }
    return 0;
}

Convergence::Convergence(ResetKind k, double reset, double ttff)
    : settled(false), kind(k), resetTime(reset), timeToFix(ttff) {}

FixStage Convergence::StageAt(double now) const {
    if (settled || now >= At(kConverged)) return FixStage::Converged;
    if (now >= At(kFine3D)) return FixStage::Fine3D;
    if (now >= At(kFirst3D)) return FixStage::First3D;
    if (now >= At(kRough2D)) return FixStage::Rough2D;
    if (now >= At(kCoarse2D)) return FixStage::Coarse2D;
    return FixStage::NoFix;
}

double Convergence::AcquisitionTime(int rank, int count) const {
    if (settled) return -std::numeric_limits<double>::infinity();
    const double step = count > 1 ? (kAcquireTo - kAcquireFrom) / (count - 1) : 0;
    return At(kAcquireFrom + step * std::clamp(rank, 0, std::max(0, count - 1)));
}

int Convergence::UsableAt(double now) const {
    switch (StageAt(now)) {
    case FixStage::NoFix:
        return 0;
    case FixStage::Coarse2D:
    case FixStage::Rough2D:
        return 3;
    case FixStage::First3D:
    case FixStage::Fine3D: {
        const double step = std::max(1.0, 0.05 * timeToFix);
        return 4 + static_cast<int>(std::floor((now - At(kFirst3D)) / step));
    }
    case FixStage::Converged:
        break;
    }
    return kMaxSimSatellites;
}
