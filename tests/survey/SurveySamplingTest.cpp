#include "SurveyTestSupport.h"

#include "support/Feed.h"
#include "support/Files.h"
#include "survey/SurveySampler.h"

#include <gtest/gtest.h>

namespace {

using Take = SurveySampler::Take;

std::string Gga(std::string time, const char* lat = "4807.038", const char* quality = "1") {
    return "GPGGA," + time + "," + lat + ",N,01131.000,E," + quality + ",08,0.9,545.4,M,46.9,M,,";
}

// Each epoch (sentences sharing a time of day) is one sample, as last reported.
TEST(SurveySampling, EveryEpochOnce) {
    const std::string polya = "POLYA,123519.10,4807.0390,N,01131.0000,E,1,08,0.9,592.3,M,46.9,M,"
                              "1.0,0012,3.5,5.1";
    const std::string pashr = "PASHR,POS,0,06,123519.1,4807.0400,N,01131.0000,E,0034.51,,088.5,"
                              "000.0,-000.1,02.3,01.3,01.9,00";
    const double a = 48.1173, b = 48 + 7.039 / 60, c = 48 + 7.04 / 60;
    const std::tuple<std::vector<std::string>, bool, std::vector<double>> cases[] = {
        {{Gga("123519.10"), polya, pashr}, true, {c}},
        {{Gga("123519.10"), Gga("123519.20", "4807.039"), Gga("123519.30", "4807.040")},
         true,
         {a, b, c}},
        {{Gga("123519", "4807.038", "0"), Gga("123520", "4807.039")}, true, {b}},
        {{Gga("123519", "4807.038", "0"), Gga("123520", "4807.039")}, false, {a, b}}};
    for (const auto& [bodies, verify, latitudes] : cases) {
        TestSurvey t;
        SurveySheetValues values = t.survey.SheetValues();
        values.verifyPositionFix = verify;
        t.survey.TakeSheetResult(values);
        ReceiverState state;
        SurveySampler sampler(state, t.survey);
        Feed(state, bodies);
        sampler.Sample(Take::All);
        ASSERT_EQ(t.survey.SampleCount(), latitudes.size()) << bodies[0];
        for (uint32_t i = 0; i < latitudes.size(); ++i)
            EXPECT_NEAR(t.survey.Samples()[i].latitude, latitudes[i], 1e-12) << bodies[0];
    }
}

// Later DOPs and error estimates of an epoch reach its sample; the newest
// epoch is taken once unchanged for a tick.
TEST(SurveySampling, SampleValuesAndSettling) {
    TestSurvey t;
    ReceiverState state;
    SurveySampler sampler(state, t.survey);
    const auto tick = [&](Take take = Take::Settled) { return sampler.Sample(take).stored; };
    Feed(state, {Gga("010203"), "GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.3"});
    EXPECT_EQ(tick(), 0u);
    Feed(state, {"GPRRE,05,04,1.2,05,-0.4,09,0.8,12,2.1,24,-1.0,45.0,7.2"});
    EXPECT_EQ(std::vector({tick(), tick(), tick()}), std::vector({0u, 1u, 0u}));
    Feed(state, {Gga("010204"), "GPGSA,A,2,04,05,,09,,,,,,,,,1e9,0.5,-1", Gga("010205")});
    EXPECT_EQ(std::vector({tick(Take::Closed), tick(Take::Closed), tick(Take::All)}),
              std::vector({1u, 0u, 1u}));
    ASSERT_EQ(t.survey.SampleCount(), 3u);
    SurveySample first = t.survey.Samples()[0], second = t.survey.Samples()[1];
    EXPECT_NEAR(first.latitude, 48.1173, 1e-12);
    EXPECT_NEAR(first.longitude, 11.516666666666667, 1e-12);
    EXPECT_NEAR(first.altitude, 545.4 + 46.9, 1e-9);
    first.latitude = first.longitude = first.altitude = 0;
    EXPECT_EQ(first, (SurveySample{0, 0, 0, 25, 1, 2, 23, 13, 45}));
    EXPECT_EQ(std::tuple(second.pdop10, second.hdop10, second.vdop10, second.fix3D),
              std::tuple(65535, 5, 0, 0));
    std::vector<std::string> many; // more epochs than the ring holds, between two ticks
    for (int i = 0; i < 300; ++i)
        many.push_back(Gga(std::to_string(100000 + i)));
    Feed(state, many);
    EXPECT_EQ(tick(Take::All), kFixRingSize);
    EXPECT_EQ(sampler.Lost(), 300 - kFixRingSize);
}

// Auto clear and Erase leave a survey of no file, so Save asks for one.
TEST(SurveyData, AutoClearEraseAndOpen) {
    const std::tuple<SurveySample, bool, bool> cases[] = {{Fix(0, 0, 0), true, true},
                                                          {Fix(45, -60, 100), true, true},
                                                          {Fix(45, -60, 100.5), true, false},
                                                          {Fix(0, 0, 0), false, false}};
    TempFile file("survey");
    std::string error;
    for (const auto& [fix, autoClear, clears] : cases) {
        TestSurvey t;
        if (!autoClear) t.survey.Toggle(SurveyToggle::AutoClear);
        t.survey.AddPosition(Fix(48, 11, 500));
        ASSERT_TRUE(t.survey.Save(file.path, nullptr, error));
        EXPECT_EQ(t.survey.AddPosition(fix).cleared, clears);
        EXPECT_EQ(
            std::tuple(t.survey.SampleCount(), t.survey.PathName().empty(), t.survey.MaxAltitude()),
            std::tuple(clears ? 1u : 2u, clears, clears ? -1000000.0 : -100000.0));
    }
    TestSurvey t;
    t.survey.AddPosition(Fix(48, 11, 500));
    ASSERT_TRUE(t.survey.Save(file.path, nullptr, error));
    EXPECT_FALSE(t.survey.Erase([] { return false; }));
    EXPECT_EQ(t.survey.SampleCount(), 1u);
    EXPECT_TRUE(t.survey.Erase([] { return true; }));
    EXPECT_EQ(std::tuple(t.survey.SampleCount(), t.survey.Statistics().HorizontalSampleCount(),
                         t.survey.Title()),
              std::tuple(0u, 0u, "Survey Window - [Untitled]"));
    int asked = 0;
    const auto yes = [&] { return ++asked > 0; };
    ASSERT_TRUE(t.survey.Open(file.path, yes, nullptr, error)) << error;
    ASSERT_TRUE(t.survey.Open(file.path, yes, nullptr, error)) << error;
    EXPECT_EQ(std::tuple(asked, t.survey.AcquisitionEnabled(), t.survey.SampleCount(),
                         t.survey.MinAltitude(), t.survey.MaxAltitude()),
              std::tuple(1, false, 1u, 500.0, 500.0));
}

} // namespace
