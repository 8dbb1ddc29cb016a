#include "SurveyTestSupport.h"

#include "survey/ParseAngle.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(ParseAngle, AcceptedFormsAndLimits) {
    const std::tuple<const char*, bool, std::optional<double>> cases[] = {
        {"51.5", true, 51.5},
        {"51 30 15.5 N", true, 51 + 30 * 0.016666666666666666 + 15.5 * 0.0002777777777777778},
        {"0 7 30 W", false, -(7 * 0.016666666666666666 + 30 * 0.0002777777777777778)},
        {"-0 7.5", false, -7.5 * 0.016666666666666666},
        {"+12.25e", false, std::nullopt},
        {"12.25 w", false, -12.25},
        {"33s", true, -33},
        {"90", true, 90},
        {"91", true, std::nullopt},
        {"180", false, 180},
        {"181", false, std::nullopt},
        {"90 1", true, std::nullopt},
        {"90 0 0.5", true, std::nullopt},
        {"89 60", true, 90},
        {"89 60 60", true, std::nullopt},
        {"45 60", true, 46},
        {"45 61", true, std::nullopt},
        {"45 30 61", true, std::nullopt},
        {"12345", false, std::nullopt},
        {"1.2345678901", false, 1.2345678901},
        {"1.23456789012", false, std::nullopt},
        {"51 30 15.5 x", true, std::nullopt},
        {"51  30", true, std::nullopt},
        {"-51 N", true, std::nullopt},
        {"N", true, std::nullopt},
        {"", true, std::nullopt},
    };
    for (const auto& [text, latitude, expected] : cases)
        EXPECT_EQ(ParseAngle(text, latitude), expected) << text;
}

// Missing keys give the defaults; stored values out of range are brought in.
TEST(SurveySettings, DefaultsAndClamping) {
    MemoryProfileStore profile;
    EXPECT_EQ(LoadSurveySettings(profile), SurveySettings{});
    for (const auto& [key, value] : {std::pair{"HDOPThreshold", "70000"},
                                     {"VDOPThreshold", "-4"},
                                     {"FramePane", "-20"},
                                     {"FramePane2", "999999"},
                                     {"AvgDOPThreshold", "abc"},
                                     {"PlotIndicatorSize", "5"},
                                     {"UseLines", "0"},
                                     {"EnableSurveyAutoClear", "0"}})
        profile.SetString(kSurveySection, key, value);
    SurveySettings expected;
    expected.hdopThreshold = 65535;
    expected.vdopThreshold = 0;
    expected.framePane = 0;
    expected.framePane2 = 100000;
    expected.avgDopThreshold = 0;
    expected.largePlotIndicator = true;
    expected.useLines = false;
    expected.autoClear = false;
    EXPECT_EQ(LoadSurveySettings(profile), expected);

    TestSurvey t;
    t.survey.Toggle(SurveyToggle::LeastSquaresIndicator);
    EXPECT_EQ(t.profile.GetInt(kSurveySection, "EnablePALSFSD", 1), 0);
    EXPECT_FALSE(t.survey.Settings().leastSquaresIndicator);
}

TEST(SurveySettings, ThresholdTexts) {
    const std::tuple<const char*, uint16_t, const char*> cases[] = {
        {"2.5", 25, " 2.5"}, {"3", 30, " 3.0"},        {"abc", 0, " 0.0"},
        {"-3", 0, " 0.0"},   {"1e9", 65535, "6553.5"}, {"0.19", 1, " 0.1"},
    };
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
        {{"", "", "", false}, std::nullopt, {1, 2, 3, false}},
    };
    for (const auto& [entries, problem, expected] : cases) {
        TruthPosition truth{1, 2, 3, true};
        const auto found = CheckTruthEntries(entries, truth);
        EXPECT_EQ(found ? std::optional(found->field) : std::nullopt, problem) << entries.latitude;
        EXPECT_EQ(std::tie(truth.latitude, truth.longitude, truth.altitude, truth.use),
                  std::tie(expected.latitude, expected.longitude, expected.altitude, expected.use))
            << entries.latitude;
    }
    // A stored "use" beside entries that are not a position.
    MemoryProfileStore profile;
    profile.SetString(kSurveySection, "TruthLatitude", "51 30 N");
    profile.SetString(kSurveySection, "TruthLongitude", "west");
    profile.SetInt(kSurveySection, "UseTruth", 1);
    TruthPosition truth{0, 7, 0, false};
    LoadTruthPosition(LoadSurveySettings(profile), truth);
    EXPECT_EQ(std::tie(truth.latitude, truth.longitude, truth.use), std::tuple(51.5, 7.0, false));
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
    t.survey.TakeSheetResult(*sheet.Result());
    EXPECT_EQ(t.survey.Statistics().HdopThreshold(), 25);
    EXPECT_EQ(t.profile.GetString(kSurveySection, "TruthLatitude", ""), "10");
}

} // namespace
