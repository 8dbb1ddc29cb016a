#pragma once

#include "HorizonMask.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The longest satellite list that still fits one $POLYS sentence (249 data
// characters at 17 per satellite).
constexpr int kMaxSimSatellites = 14;

enum class ResetKind { Hot, Warm, Cold };

struct Geodetic {
    double latitude = 48.1173;  // degrees, north positive
    double longitude = 11.5167; // degrees, east positive
    double height = 592.3;      // metres above the ellipsoid
};

// Nominal seconds from a reset to the 50 m fix; every reset draws its own
// time within +-spread (a fraction) of the nominal one.
struct ResetPace {
    double hot = 5;
    double warm = 30;
    double cold = 45;
    double spread = 0.15;

    double Nominal(ResetKind kind) const {
        return kind == ResetKind::Hot ? hot : kind == ResetKind::Warm ? warm : cold;
    }
};

// The loader answers `code` instead of the usual one (nothing at all when
// `code` is empty) to the `record`-th record it is given (from 1; a record
// sent again is the same record), the first `times` times it comes.
struct LoaderFault {
    std::string code;
    int record = 0;
    int times = 1;
};

// The loader's reports after the records; a stall at one means it never comes.
enum class LoaderStage { None, Erase, Era, Exe, Final };

struct LoaderConfig {
    std::vector<LoaderFault> faults;
    bool eraseFails = false;               // the upper block's erase answers ~2
    LoaderStage stall = LoaderStage::None; // the loader hangs before this report
    std::string finalReply = "F";          // sent as "~" + this after ~Exe
    bool secondFormOnly = false;           // only $PSYMS,UPGM,SREC starts it
};

struct SimConfig {
    Geodetic position;
    double geoidSeparation = 46.9; // reported in GGA, which carries height above sea level
    double noise = 2.0;            // metres, 1 sigma per horizontal axis
    int satellites = 10;           // above the horizon at any time
    HorizonMask horizon;
    ResetPace pace;
    std::optional<ResetKind> startKind; // empty: already navigating at start-up
    uint64_t seed = 1;
    int64_t startUtc = 1700000000; // UTC of simulated second 0, Unix seconds

    // Faults, for testing how the application copes.
    bool silent = false;
    bool dropReplies = false;
    bool noPolyn = false;
    bool ignoreResets = false; // reset commands answered but not carried out
    bool noEstimates = false;  // error estimate fields left empty
    double badChecksumRate = 0;
    LoaderConfig loader;
};
