#include "SurveyTestSupport.h"

#include "nmea/CoordinateFormat.h"
#include "survey/SurveyStatistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

// The standard deviation is about the final mean and the fit's residual
// spread is sqrt(SSE / n); the fitted value is taken one step ahead.
TEST(SurveyStatistics, MeanAndFitOfSmallSeries) {
    // values, mean, standard deviation, fitted value, fit's deviation
    const std::tuple<std::vector<double>, double, double, double, double> cases[] = {
        {{}, 0, 0, 0, 0},
        {{7}, 7, 0, 7, 0},
        {{10, 20}, 15, 5, 30, 0},
        {{1, 2, 3}, 2, std::sqrt(2.0 / 3), 4, 0},
        {{1, 3, 2}, 2, std::sqrt(2.0 / 3), 3, std::sqrt(0.5)}};
    for (const auto& [values, mean, stdDev, fitValue, fitStdDev] : cases) {
        MeanAccumulator m;
        LeastSquaresAccumulator fit;
        for (double v : values)
            m.Add(v), fit.Add(v);
        EXPECT_EQ(std::tuple(m.Mean(), fit.Value()), std::tuple(mean, fitValue)) << values.size();
        EXPECT_NEAR(m.StdDev(), stdDev, 1e-15) << values.size();
        EXPECT_NEAR(fit.StdDev(), fitStdDev, 1e-15) << values.size();
    }
}

// hdop10, vdop10, fix3D with both thresholds at 30: whether the sample
// enters the horizontal and the vertical averages, and its histogram bin.
TEST(SurveyStatistics, ThresholdsAndHistogram) {
    const int cases[][6] = {{30, 30, 1, 1, 1, 2}, {31, 31, 1, 0, 0, 2}, {0, 0, 1, 0, 0, 0},
                            {10, 10, 0, 1, 0, 0}, {11, 29, 1, 1, 1, 1}, {20, 1, 1, 1, 1, 1},
                            {21, 30, 2, 1, 0, 2}};
    for (const auto& [hdop, vdop, fix3D, horizontal, vertical, bin] : cases) {
        SurveyStatistics stats;
        stats.SetThresholds(30, 30);
        stats.UpdateStatistics(Fix(1, 2, 3, hdop, vdop, fix3D));
        EXPECT_EQ(std::tuple(stats.HorizontalSampleCount(), stats.Fit(Axis::Longitude).Count(),
                             stats.Mean(Axis::Altitude).Count(), stats.Fit(Axis::Altitude).Count(),
                             stats.Histogram().counts[bin]),
                  std::tuple(horizontal, horizontal, vertical, vertical, 1))
            << hdop << "/" << vdop << "/" << fix3D;
    }
    // A count times 100 no longer fits 32 bits.
    EXPECT_EQ((HdopHistogram{{50000000, 0, 0}}.Percent(50000000)[0]), 100.0);
}

// With the truth in use the means are the truth and the deviations the RMS
// distance from it: altitudes 10 and 20 against 12 give sqrt(34).
TEST(SurveyStatistics, TruthReplacesTheMeans) {
    SurveyStatistics stats;
    stats.UpdateStatistics(Fix(50, 8, 10));
    stats.UpdateStatistics(Fix(50.00002, 8, 20));
    const SurveySummary s = Summarise(stats, 2, {50.00001, 8.5, 12, true}, SurveyUnitsFor(0));
    EXPECT_EQ(std::tuple(s.meanLatitude, s.meanLongitude, s.meanAltitude),
              std::tuple(50.00001, 8.5, 12.0));
    EXPECT_NEAR(s.sigmaUp, std::sqrt(34.0), 1e-12);
    EXPECT_NEAR(s.sigmaNorth, DistanceMiles(50.00001, 8.5, 50.00002, 8.5) * 1609.344, 1e-9);
    EXPECT_NEAR(s.sigmaEast, DistanceMiles(50.00001, 8.5, 50.00001, 9.0) * 1609.344, 1e-6);
}

// New thresholds from the settings sheet apply to every stored sample, as if
// they had been set before the first.
TEST(SurveyStatistics, RecomputationEqualsReplay) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> dop(0, 60);
    std::normal_distribution<double> noise(0, 1e-5);
    TestSurvey changed, fresh;
    SurveySheetValues values = changed.survey.SheetValues();
    std::tie(values.hdopThreshold, values.vdopThreshold) = std::tuple(45, 12);
    fresh.survey.TakeSheetResult(values);
    for (int i = 0; i < 3000; ++i) {
        const SurveySample s =
            Fix(48 + noise(random), 11 + noise(random), 500 + 1e5 * noise(random), dop(random),
                dop(random), dop(random) % 2);
        changed.survey.AddPosition(s);
        fresh.survey.AddPosition(s);
    }
    changed.survey.TakeSheetResult(values);
    EXPECT_TRUE(changed.survey.Summary(SurveyUnitsFor(1)) ==
                fresh.survey.Summary(SurveyUnitsFor(1)));
    EXPECT_EQ(changed.profile.GetInt(kSurveySection, "HDOPThreshold", 0), 45);
}

// Ten million fixes at longitude 179.9 with 1 cm of noise: the mean within
// 0.1 mm and the deviation within 0.1 % of a two-pass computation.
TEST(SurveyStatistics, ExactOverTenMillionFixes) {
    constexpr int kFixes = 10'000'000;
    const double kCentimetre = 1e-2 / 111320.0 / std::cos(0.9 * 0.017453292519943334);
    const auto longitudes = [&](auto&& take) {
        std::mt19937_64 random(11);
        std::normal_distribution<double> noise(0, kCentimetre);
        for (int i = 0; i < kFixes; ++i)
            take(179.9 + noise(random));
    };
    SurveyStatistics stats;
    longitudes([&](double lon) { stats.UpdateStatistics(Fix(0.9, lon, 10)); });
    double sum = 0, sumDev2 = 0;
    longitudes([&](double lon) { sum += lon - 179.9; });
    const double mean = 179.9 + sum / kFixes;
    longitudes([&](double lon) { sumDev2 += (lon - mean) * (lon - mean); });
    const double sigma = std::sqrt(sumDev2 / kFixes);
    const MeanAccumulator& lon = stats.Mean(Axis::Longitude);
    EXPECT_NEAR(lon.Mean(), mean, 0.01 * kCentimetre);
    EXPECT_NEAR(lon.StdDev(), sigma, 1e-3 * sigma);
    EXPECT_NEAR(stats.Fit(Axis::Longitude).StdDev(), sigma, 1e-3 * sigma);
}

} // namespace
