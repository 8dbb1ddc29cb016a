#include "views/navigation/NavigationText.h"
#include "views/navigation/NavigationLayout.h"

#include "config/MemoryProfileStore.h"
#include "support/Feed.h"

#include <gtest/gtest.h>

namespace {

// 48.1173 N 11.516667 E, 100 m above the ellipsoid, 10 knots on 54.7 degrees.
const std::string kGga = "GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,100.0,M,0.0,M,,";
const std::string kRmc = "GPRMC,123519,A,4807.038,N,01131.000,E,010.0,054.7,230394,003.1,W";
const std::string kPolyt = "POLYT,123519.00,071206,2,1432,345519.000,18,3.5,0,5123456";

const std::string kPosition = "Lat\t\t\t48° 07.03800 N  \nLong:  \t\t011° 31.00000 E   \n";
const std::string kTimeAndDrift =
    "Time:\t\t12:35:19             \nClock Drift:\t003.5 ns/s           \n";

struct TextCase {
    const char* name;
    bool clockDrift;
    int units;
    std::string expected;
};

class NavigationTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(NavigationTextTest, ShowsWhatTheReceiverReports) {
    const TextCase& c = GetParam();
    ReceiverState state;
    DecodeSettings withRmc;
    withRmc.useRMC = 1;
    Feed(state, {kGga, kRmc}, withRmc);
    if (c.clockDrift) Feed(state, {kPolyt});
    MemoryProfileStore profile;
    profile.SetInt("Settings", "Units", c.units);
    EXPECT_EQ(NavigationText(state, profile), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    ReceiverKindsAndUnits, NavigationTextTest,
    testing::Values(TextCase{"DriftStatute", true, 1,
                             kTimeAndDrift + kPosition + "Alt:\t\t\t328.08   ft     \n"},
                    TextCase{"DriftMetric", true, 0,
                             kTimeAndDrift + kPosition + "Alt:\t\t\t100.00   m     \n"},
                    TextCase{"NoDriftStatute", false, 1,
                             kPosition + "Alt:\t\t\t328.08   ft     \nSpeed:\t\t11.51   mph   \n"
                                         "Heading:\t\t55     "},
                    // Any value but 1 is metric.
                    TextCase{"NoDriftMetric", false, 2,
                             kPosition + "Alt:\t\t\t100.00   m     \nSpeed:\t\t18.52   kph   \n"
                                         "Heading:\t\t55     "}),
    [](const testing::TestParamInfo<TextCase>& info) { return info.param.name; });

TEST(NavigationText, NegativeDriftAndEmptyStateFormat) {
    ReceiverState state;
    MemoryProfileStore profile;
    EXPECT_EQ(NavigationText(state, profile),
              "Lat\t\t\t00° 00.00000 N  \nLong:  \t\t000° 00.00000 E   \n"
              "Alt:\t\t\t0.00     ft     \nSpeed:\t\t0.00    mph   \nHeading:\t\t0      ");
    Feed(state, {"POLYT,1,2,3,4,5,6,-0.25,8"});
    EXPECT_EQ(NavigationText(state, profile),
              "Time:\t\t00:00:00             \nClock Drift:\t-00.2 ns/s           \n"
              "Lat\t\t\t00° 00.00000 N  \nLong:  \t\t000° 00.00000 E   \n"
              "Alt:\t\t\t0.00     ft     \n");
}

TEST(NavigationLayout, BordersTextAndAFontThatFollowsTheHeight) {
    EXPECT_EQ(NavigationFontTenths(200), 231);
    // Too small for the rule: still a readable size, never zero or negative.
    EXPECT_EQ(NavigationFontTenths(25), 10);
    EXPECT_EQ(NavigationFontTenths(0), 10);
    const NavigationLayout layout = LayoutNavigationPanel(500, 150);
    EXPECT_EQ(layout.raisedBorder, (PanelRect{2, 2, 498, 148}));
    EXPECT_EQ(layout.sunkenBorder, (PanelRect{8, 8, 492, 142}));
    EXPECT_EQ(layout.text, (PanelRect{11, 11, 489, 139}));
    EXPECT_EQ(layout.fontTenths, 167);
}

} // namespace
