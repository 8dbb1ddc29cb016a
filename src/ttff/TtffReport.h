#pragma once

#include "survey/TruthPosition.h"
#include "ttff/TtffResults.h"

#include <string>

class ProfileStore;

// The status piece of the report, the first that applies.
enum class TtffStatus {
    Timing,        // "Elapsed Time"
    Complete,      // the run is over
    Pause,         // waiting for the next reset
    SkyFeed,       // the receiver has announced a restart: its notices so far
    WaitingForData // anything else
};

// Everything the report shows, copied out at the last tick.
struct TtffReportInputs {
    int gpsHour = 0, gpsMinute = 0, gpsSecond = 0;
    TtffStatus status = TtffStatus::WaitingForData;
    double elapsed = 0; // seconds of the test being timed
    int pauseSeconds = 0;
    int ephemerisNotices = 0, almanacNotices = 0; // PRNs 1..32 announced since the restart
    double latitude = 0, longitude = 0;
    TruthPosition truth;
    double error2D = 0, error3D = 0; // metres; 0 without an estimate
    int fixMode = 0;
    bool single = true; // a single test rather than a run of tests
    int mode = kModeNone;
    TtffResults results;
    int testsRun = 0, failedTests = 0; // in this window's run
};

// The report text: lines separated by "\n", columns by tabs (stops every five
// characters). Positions in the user's format from `profile`.
std::string BuildTtffReport(const TtffReportInputs& in, const ProfileStore& profile);

// The report's "Courier" size in tenths of a point for a client area this
// many pixels high.
int TtffReportFontTenths(int clientHeight);
