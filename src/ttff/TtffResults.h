#pragma once

#include "ttff/TtffMilestones.h"

#include <array>
#include <cstdint>

using TtffHistogram = std::array<int32_t, kHistogramBins>;

// No real run comes near this many results; beyond it a count would
// overflow, so the store takes no more and files with more are refused.
constexpr int32_t kMaxResults = 100'000'000;

// What a .ttf file holds: the document's copy of the results.
struct TtffData {
    // The current test's shown times, then the statistics of recorded times.
    std::array<double, kFixMilestones> fixTime{}, fixMin{}, fixMax{}, fixMean{}, fixTotal{};
    std::array<int32_t, kFixMilestones> fixCount{};
    int32_t savedMode = kModeNone; // the mode of the test these results come from
    std::array<double, kAcquisitionMilestones> acqCep95{}, acqCep68{}, acqMin{}, acqMax{},
        acqMaxAccuracy{}, acqMean{}, acqTotal{};
    std::array<TtffHistogram, kFixMilestones> fixHistogram{};              // by whole second
    std::array<TtffHistogram, kAcquisitionMilestones> accuracyHistogram{}; // by whole metre

    bool operator==(const TtffData&) const = default;
};

// The smallest bin at which the running sum of `histogram` reaches
// `fraction` of `count` (truncated, but never below one value); 599 when the
// sum never gets there, 0 for an empty histogram.
int Percentile(const TtffHistogram& histogram, int32_t count, double fraction);

// The result store of a TTFF window: statistics of the time to each accuracy
// milestone and of the time to each acquisition milestone with the accuracy
// reached then.
class TtffResults {
public:
    void Clear() { *this = {}; }

    // A fix milestone reached after `seconds` (0 .. 599; outside, clamped,
    // NaN taken as 599). Both ignore a result past kMaxResults.
    void RecordFix(int milestone, double seconds);
    // Acquisition milestone 0..2 (3SV..5SV) after `seconds`, with the
    // horizontal error then (clamped to 0 .. 599 m, NaN taken as 599).
    void RecordAcquisition(int milestone, double seconds, double accuracy);

    // While a milestone is awaited its shown time runs with the test.
    void ShowFixTime(int milestone, double seconds) { data.fixTime[milestone] = seconds; }
    void ShowAcquisitionTime(int milestone, double seconds) { acqTime[milestone] = seconds; }

    // Takes over results read from a file. The counts of acquisitions, which
    // the file does not keep, come from its accuracy histograms.
    void Load(const TtffData& loaded);
    // The document's copy, marked with the mode of the test.
    TtffData ToData(int32_t mode) const;

    const TtffData& Data() const { return data; }
    int32_t Fix90(int milestone) const { return fix90[milestone]; }
    int32_t AcquisitionCount(int milestone) const { return acqCount[milestone]; }
    double AcquisitionTime(int milestone) const { return acqTime[milestone]; }
    double AcquisitionAccuracy(int milestone) const { return acqAccuracy[milestone]; }

    bool operator==(const TtffResults&) const = default;

private:
    TtffData data;
    std::array<int32_t, kFixMilestones> fix90{};
    std::array<int32_t, kAcquisitionMilestones> acqCount{};
    std::array<double, kAcquisitionMilestones> acqTime{}, acqAccuracy{};
};
