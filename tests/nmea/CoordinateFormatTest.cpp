#include "nmea/CoordinateFormat.h"
#include "profile/MemoryProfileStore.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// One profile for every row: the format is read again at every call.
TEST(CoordinateFormat, FormatsByTheCurrentSetting) {
    MemoryProfileStore profile;
    EXPECT_EQ(FormatLatitude(1.5, profile), "01° 30.00000 N  "); // format 0 by default
    // Zero is north and east; minutes round without carrying into the degrees;
    // not a number, or out of range, does not overflow; unknown formats: the
    // two formatters differ, as they always did.
    // clang-format off
    const std::tuple<int, double, bool, std::string> cases[] = {
        {0, 48.1173, true, "48° 07.03800 N  "}, {1, 48.1173, true, "48° 07' 02.2800 N  "},
        {2, 48.1173, true, "48.11730000000° N  "}, {0, -11.5, false, "011° 30.00000 W   "},
        {1, -11.5, false, "011° 30' 00.0000 W   "}, {2, -11.5, false, "11.50000000000° W   "},
        {0, -0.5, true, "00° 30.00000 S  "}, {0, 0.0, true, "00° 00.00000 N  "},
        {2, 0.0, false, "00.00000000000° E   "}, {0, 47.999999999, true, "47° 60.00000 N  "},
        {0, 179.25, false, "179° 15.00000 E   "}, {0, NAN, true, "00° 00.00000 N  "},
        {0, 1e300, false, "000° 00.00000 E   "}, {3, 1.0, true, "ERROR"}, {3, 1.0, false, ""}};
    // clang-format on
    for (const auto& [format, value, latitude, expected] : cases) {
        profile.SetInt("Settings", "PositionFormat", format);
        EXPECT_EQ(latitude ? FormatLatitude(value, profile) : FormatLongitude(value, profile),
                  expected)
            << format << " " << value;
    }
}

TEST(DistanceMiles, FlatEarthDistances) {
    EXPECT_EQ(DistanceMiles(48.1, 11.5, 48.1, 11.5), 0.0);
    EXPECT_NEAR(DistanceMiles(10, 20, 11, 20), 69.09, 0.01);
    // A degree of longitude shrinks with the cosine of the mean latitude.
    EXPECT_NEAR(DistanceMiles(60, 20, 60, 21), 69.09 * 0.5, 0.01);
    EXPECT_DOUBLE_EQ(DistanceMiles(1, 2, 3, 4), DistanceMiles(3, 4, 1, 2));
}

} // namespace
