#pragma once

#include "SimConfig.h"

// How far the fix has come since the last reset.
enum class FixStage { NoFix, Coarse2D, Rough2D, First3D, Fine3D, Converged };

// Metres the position may be off by in each stage; 0 once converged, when
// only the configured noise remains.
double StageError(FixStage stage);

// The timeline of one reset, scaled by T, the time to the 50 m fix drawn for
// that reset:
//   0.10 T .. 0.55 T  satellites acquired one by one, strongest first
//   0.60 T  2D fix from three satellites, 10 km
//   0.75 T  2D, 600 m
//   0.90 T  3D fix from four satellites, 100 m
//   1.00 T  3D, 50 m
//   1.25 T  converged
// From the 3D fix on, one more satellite joins the fix every max(1 s, 0.05 T).
// Scaling one shape keeps hot, warm and cold starts in the same order whatever
// paces are configured.
class Convergence {
public:
    // A receiver that has long been navigating.
    Convergence() = default;
    Convergence(ResetKind kind, double resetTime, double timeToFix);

    bool Settled() const { return settled; }
    ResetKind Kind() const { return kind; }
    FixStage StageAt(double now) const;
    // When the satellite ranked `rank` of `count` (0 strongest) is acquired.
    double AcquisitionTime(int rank, int count) const;
    // How many satellites the fix may use at `now`.
    int UsableAt(double now) const;

private:
    double At(double fraction) const { return resetTime + fraction * timeToFix; }

    bool settled = true;
    ResetKind kind = ResetKind::Hot;
    double resetTime = 0;
    double timeToFix = 0;
};
