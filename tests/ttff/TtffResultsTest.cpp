#include "ttff/TtffResults.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

namespace {

TEST(TtffResults, FixStatistics) {
    const struct {
        std::vector<double> recorded;
        double min, max, mean;
        int count, fix90, bin; // bin: where the last value went
    } cases[] = {
        {{30, 40, 50}, 30, 50, 40, 3, 40, 50},
        {{12.7}, 12.7, 12.7, 12.7, 1, 12, 12}, // one result is its own 90 % value
        {{0.0, 20}, 0, 20, 10, 2, 0, 20},      // 0.0 is a real minimum
        {{700}, 599, 599, 599, 1, 599, 599},   // forced after the limit: the last bin
        {{-3, NAN}, 0, 599, 299.5, 2, 0, 599},
    };
    for (const auto& c : cases) {
        TtffResults r;
        for (double v : c.recorded)
            r.RecordFix(k3D50m, v);
        const TtffData& d = r.Data();
        EXPECT_EQ(std::tuple(d.fixMin[k3D50m], d.fixMax[k3D50m], d.fixMean[k3D50m],
                             d.fixCount[k3D50m], r.Fix90(k3D50m), d.fixHistogram[k3D50m][c.bin]),
                  std::tuple(c.min, c.max, c.mean, c.count, c.fix90, 1))
            << c.recorded.size() << " values from " << c.recorded[0];
    }
}

TEST(TtffResults, AcquisitionStatistics) {
    const struct {
        std::vector<std::pair<double, double>> recorded; // time, accuracy
        double cep95, cep68, maxAccuracy, min, mean;
        int bin;
    } cases[] = {
        {{{10, 12.5}}, 12, 12, 12.5, 10, 10, 12},           // one result gives its own CEPs
        {{{5, -3}}, 0, 0, 0, 5, 5, 0},                      // a negative accuracy: bin 0
        {{{0, 4}, {8, NAN}, {4, 6}}, 6, 6, 599, 0, 4, 599}, // NaN: the last bin
    };
    for (const auto& c : cases) {
        TtffResults r;
        for (auto [t, a] : c.recorded)
            r.RecordAcquisition(1, t, a);
        const TtffData& d = r.Data();
        EXPECT_EQ(std::tuple(d.acqCep95[1], d.acqCep68[1], d.acqMaxAccuracy[1], d.acqMin[1],
                             d.acqMean[1], r.AcquisitionCount(1)),
                  std::tuple(c.cep95, c.cep68, c.maxAccuracy, c.min, c.mean,
                             static_cast<int>(c.recorded.size())))
            << c.recorded[0].second;
        EXPECT_EQ(d.accuracyHistogram[1][c.bin], 1);
    }
}

// A file's results carry on: the counts of acquisitions come back from the
// histograms, the 90 % values from the times.
TEST(TtffResults, LoadedResultsCarryOn) {
    TtffResults before;
    for (double v : {10, 20, 30, 40})
        before.RecordFix(0, v);
    before.RecordAcquisition(2, 7, 3);
    TtffResults after;
    after.Load(before.ToData(kModeWarm));
    EXPECT_EQ(after.ToData(kModeWarm), before.ToData(kModeWarm));
    EXPECT_EQ(std::tuple(after.Fix90(0), after.AcquisitionCount(2)), std::tuple(30, 1));
    after.RecordAcquisition(2, 9, 5);
    EXPECT_EQ(std::tuple(after.AcquisitionCount(2), after.Data().acqMean[2]), std::tuple(2, 8.0));
}

} // namespace
