#include "SurveyTestSupport.h"

#include "survey/ParseAngle.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(ParseAngle, AcceptedFormsAndLimits) {
    const std::tuple<const char*, bool, double> accepted[] = {
        {"51.5", true, 51.5},
        {"51 30 15.5 N", true, 51 + 30 * 0.016666666666666666 + 15.5 * 0.0002777777777777778},
        {"0 7 30 W", false, -(7 * 0.016666666666666666 + 30 * 0.0002777777777777778)},
        {"-0 7.5", false, -7.5 * 0.016666666666666666},
        {"33s", true, -33},
        {"90", true, 90},
        {"180", false, 180},
        {"89 60", true, 90},
        {"45 60", true, 46},
        {"1.2345678901", false, 1.2345678901}};
    for (const auto& [text, latitude, value] : accepted)
        EXPECT_EQ(ParseAngle(text, latitude), value) << text;
    for (const char* text : {"91", "90 1", "90 0 0.5", "89 60 60", "45 61", "45 30 61", "-51 N",
                             "51 30 15.5 x", "51  30", ""})
        EXPECT_FALSE(ParseAngle(text, true)) << text;
    for (const char* text : {"181", "+12.25e", "12345", "1.23456789012"})
        EXPECT_FALSE(ParseAngle(text, false)) << text;
}

// Missing keys give the defaults; stored values out of range are brought in.
TEST(SurveySettings, DefaultsAndClamping) {
    MemoryProfileStore profile;
    EXPECT_EQ(LoadSurveySettings(profile), SurveySettings{});
    const char* const stored[][2] = {{"HDOPThreshold", "70000"}, {"VDOPThreshold", "-4"},
                                     {"FramePane", "-20"},       {"FramePane2", "999999"},
                                     {"AvgDOPThreshold", "abc"}, {"PlotIndicatorSize", "5"},
                                     {"UseLines", "0"},          {"EnableSurveyAutoClear", "0"}};
    for (const auto& [key, value] : stored)
        profile.SetString(kSurveySection, key, value);
    SurveySettings expected;
    std::tie(expected.hdopThreshold, expected.vdopThreshold, expected.avgDopThreshold) =
        std::tuple(65535, 0, 0);
    std::tie(expected.framePane, expected.framePane2) = std::tuple(0, 100000);
    std::tie(expected.largePlotIndicator, expected.useLines, expected.autoClear) =
        std::tuple(true, false, false);
    EXPECT_EQ(LoadSurveySettings(profile), expected);
    TestSurvey t;
    t.survey.Toggle(SurveyToggle::LeastSquaresIndicator);
    EXPECT_EQ(t.profile.GetInt(kSurveySection, "EnablePALSFSD", 1), 0);
    EXPECT_FALSE(t.survey.Settings().leastSquaresIndicator);
}

TEST(SurveySettings, ThresholdTexts) {
    const std::tuple<const char*, uint16_t, const char*> cases[] = {
        {"2.5", 25, " 2.5"}, {"2.3", 23, " 2.3"},      {"abc", 0, " 0.0"},
        {"-3", 0, " 0.0"},   {"1e9", 65535, "6553.5"}, {"0.19", 1, " 0.1"}};
    for (const auto& [text, tenths, shown] : cases) {
        EXPECT_EQ(ThresholdTenths(text), tenths) << text;
        EXPECT_EQ(ThresholdText(tenths), shown) << text;
    }
}

// A bad entry keeps the sheet open and takes nothing; the truth is used only
// with all three entries good.
TEST(SurveySettings, TruthPageChecks) {
    using Field = TruthProblem::Field;
    const std::tuple<TruthEntries, std::optional<Field>, TruthPosition> cases[] = {
        {{"51 30 N", "0 7 30 W", "45.5", true}, std::nullopt, {51.5, -0.125, 45.5, true}},
        {{"91", "0", "0", false}, Field::Latitude, {1, 2, 3, true}},
        {{"51", "181", "0", false}, Field::Longitude, {1, 2, 3, true}},
        {{"51", "1", "12 m", false}, Field::Altitude, {1, 2, 3, true}},
        {{"51", "", "", true}, Field::Longitude, {1, 2, 3, true}},
        {{"", "", "", false}, std::nullopt, {1, 2, 3, false}}};
    const auto of = [](const TruthPosition& p) {
        return std::tuple(p.latitude, p.longitude, p.altitude, p.use);
    };
    for (const auto& [entries, problem, expected] : cases) {
        TruthPosition truth{1, 2, 3, true};
        const auto found = CheckTruthEntries(entries, truth);
        EXPECT_EQ(found ? std::optional(found->field) : std::nullopt, problem) << entries.latitude;
        EXPECT_EQ(of(truth), of(expected)) << entries.latitude;
    }
}

// Cancel takes what the last Apply took; edits after it are dropped.
TEST(SurveySettings, SheetApplyAndCancel) {
    TestSurvey t;
    SurveySheet sheet(t.survey.SheetValues());
    EXPECT_FALSE(sheet.Result());
    sheet.Values().hdopThreshold = 25;
    sheet.Values().truth = {"10", "20", "30", true};
    ASSERT_FALSE(sheet.Apply(t.truth));
    const SurveySheetValues applied = sheet.Values();
    sheet.Values().vdopThreshold = 99;
    sheet.Values().truth.latitude = "100";
    const auto problem = sheet.Apply(t.truth);
    ASSERT_TRUE(problem);
    EXPECT_EQ(std::tie(problem->text, problem->caption),
              std::tuple("ERROR IN LATITUDE", "Reference Position"));
    EXPECT_EQ(sheet.Result(), applied);
    EXPECT_EQ(t.truth.latitude, 10);
}

} // namespace
