#pragma once

#include "Convergence.h"
#include "EpochReport.h"
#include "PositionWander.h"
#include "ReceiverClock.h"
#include "Rng.h"
#include "SimConfig.h"
#include "Sky.h"

#include <vector>

enum class NoticeKind { Ephemeris, Almanac };

struct Notice {
    NoticeKind kind = NoticeKind::Ephemeris;
    int prn = 0;
};

// Turns the sky and the time since the last reset into what the receiver
// reports each second: the satellites it tracks and uses, where it believes
// it is and how sure it is, and its clock.
class FixModel {
public:
    FixModel(const SimConfig& config, uint64_t seed);

    // The receiver restarts at `now`. Returns the notices for what it kept,
    // sent right after the reset line: ephemerides and almanacs after a hot
    // start, almanacs after a warm one, nothing after a cold one. These are
    // the only notices until the next reset.
    std::vector<Notice> Restart(ResetKind kind, double now, const std::vector<SkySatellite>& sky);

    // One second. `elevationMask` is the receiver's own cut-off for the fix.
    EpochReport Build(double now, int64_t utc, const std::vector<SkySatellite>& sky,
                      int elevationMask);

private:
    std::vector<SatReport> Track(double now, const std::vector<SkySatellite>& sky);
    FixStage ChooseUsed(std::vector<SatReport>& sats, double now, int elevationMask);
    void Locate(EpochReport& report, FixStage stage);
    double AcquiredAt(int prn) const;

    Geodetic truth;
    HorizonMask horizon;
    double geoidSeparation;
    double noise;
    ResetPace pace;
    Rng rng;
    PositionWander wander;
    ReceiverClock clock;
    Convergence convergence;

    std::vector<int> acquisitionOrder;              // PRNs, strongest first at the reset
    double biasNorth = 0, biasEast = 0, biasUp = 0; // fractions of the stage error
};
