#include "views/navigation/NavigationText.h"
#include "views/navigation/NavigationLayout.h"

#include "profile/MemoryProfileStore.h"
#include "support/Feed.h"

#include <gtest/gtest.h>

namespace {

// 48.1173 N 11.516667 E, 100 m above the ellipsoid, 10 knots on 54.7 degrees;
// a receiver of the second kind adds its clock drift.
const std::string kGga = "GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,100.0,M,0.0,M,,";
const std::string kRmc = "GPRMC,123519,A,4807.038,N,01131.000,E,010.0,054.7,230394,003.1,W";

const std::string kPosition = "Lat\t\t\t48° 07.03800 N  \nLong:  \t\t011° 31.00000 E   \n";
const std::string kTime = "Time:\t\t12:35:19             \nClock Drift:\t";
const std::string kFeet = "Alt:\t\t\t328.08   ft     \n", kMetres = "Alt:\t\t\t100.00   m     \n";

// With a drift (a receiver of the second kind) or without, statute or metric
// (any value but 1).
TEST(NavigationText, ShowsWhatTheReceiverReports) {
    const std::tuple<std::string, int, std::string> cases[] = {
        {"3.5", 1, kTime + "003.5 ns/s           \n" + kPosition + kFeet},
        {"-0.25", 0, kTime + "-00.2 ns/s           \n" + kPosition + kMetres},
        {"", 1, kPosition + kFeet + "Speed:\t\t11.51   mph   \nHeading:\t\t55     "},
        {"", 2, kPosition + kMetres + "Speed:\t\t18.52   kph   \nHeading:\t\t55     "}};
    for (const auto& [drift, units, expected] : cases) {
        ReceiverState state;
        DecodeSettings withRmc;
        withRmc.useRMC = 1;
        Feed(state, {kGga, kRmc}, withRmc);
        if (!drift.empty())
            Feed(state, {"POLYT,123519.00,071206,2,1432,345519.000,18," + drift + ",0,5123456"});
        MemoryProfileStore profile;
        profile.SetInt("Settings", "Units", units);
        EXPECT_EQ(NavigationText(state, profile), expected) << drift << " " << units;
    }
}

TEST(NavigationLayout, FontFollowsTheHeightAndStaysReadable) {
    EXPECT_EQ(NavigationFontTenths(200), 231);
    EXPECT_EQ(NavigationFontTenths(0), 10);
}

} // namespace
