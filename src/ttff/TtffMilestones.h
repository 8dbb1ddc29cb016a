#pragma once

#include <array>
#include <string_view>

// The nine milestones of a TTFF test, in the order every table, report line
// and file uses: six accuracy milestones, then three acquisition milestones.
constexpr int kFixMilestones = 6;
constexpr int kAcquisitionMilestones = 3;
constexpr int kMilestones = kFixMilestones + kAcquisitionMilestones;

constexpr int k2D10km = 0;
constexpr int k2D600m = 1;
constexpr int k2D100m = 2;
constexpr int k3D100m = 3;
constexpr int k2D50m = 4;
constexpr int k3D50m = 5;
constexpr int k3SV = 6;
constexpr int k4SV = 7;
constexpr int k5SV = 8;

constexpr std::array<std::string_view, kMilestones> kMilestoneLabels{
    "2D-10km", "2D-600m", "2D-100m", "3D-100m", "2D-50m", "3D-50m", "3SV", "4SV", "5SV"};

// Histogram bins are whole seconds or metres; the last bin also holds
// everything beyond it, which is why recorded values stop at 599.
constexpr int kHistogramBins = 600;
constexpr double kMaxRecorded = 599.0;

// The test types ("TTFFMode"): 0 none selected, then hot, warm, cold.
constexpr int kModeNone = 0;
constexpr int kModeHot = 1;
constexpr int kModeWarm = 2;
constexpr int kModeCold = 3;

// How many tests a run makes ("TTFFTestCount"): single, continuous, 100, 200.
constexpr int kSingleTest = 0;
constexpr int kContinuousTests = 1;

constexpr std::array<double, 4> kTimeLimitSeconds{180, 180, 300, 600}; // by mode
constexpr std::array<int, 4> kTestLimits{0, 99999, 100, 200};          // by test count

// "hot", "warm", "cold"; empty for any other mode.
std::string_view TtffModeName(int mode);
// The reset command of a mode, without the line end; empty for mode 0.
std::string_view TtffResetCommand(int mode);

// The test settings the mode dialog, the window and the document share; the
// application holds one set, tools their own.
struct TtffSettings {
    int mode = kModeNone;
    int testCount = kSingleTest;
};
