#include "nmea/CoordinateFormat.h"
#include "config/MemoryProfileStore.h"

#include <gtest/gtest.h>

namespace {

struct FormatCase {
    int format;
    double value;
    bool latitude;
    std::string expected;
};

class CoordinateFormatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(CoordinateFormatTest, FormatsByTheCurrentSetting) {
    const FormatCase& c = GetParam();
    MemoryProfileStore profile;
    profile.SetInt("Settings", "PositionFormat", c.format);
    EXPECT_EQ(c.latitude ? FormatLatitude(c.value, profile) : FormatLongitude(c.value, profile),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, CoordinateFormatTest,
    testing::Values(FormatCase{0, 48.1173, true, "48° 07.03800 N  "},
                    FormatCase{1, 48.1173, true, "48° 07' 02.2800 N  "},
                    FormatCase{2, 48.1173, true, "48.11730000000° N  "},
                    FormatCase{0, -11.5, false, "011° 30.00000 W   "},
                    FormatCase{1, -11.5, false, "011° 30' 00.0000 W   "},
                    FormatCase{2, -11.5, false, "11.50000000000° W   "},
                    FormatCase{0, -0.5, true, "00° 30.00000 S  "},
                    // Zero is north and east.
                    FormatCase{0, 0.0, true, "00° 00.00000 N  "},
                    FormatCase{2, 0.0, false, "00.00000000000° E   "},
                    // Minutes round without carrying into the degrees.
                    FormatCase{0, 47.999999999, true, "47° 60.00000 N  "},
                    FormatCase{0, 179.25, false, "179° 15.00000 E   "},
                    // Unknown formats: the two formatters differ, as they always did.
                    FormatCase{3, 1.0, true, "ERROR"}, FormatCase{3, 1.0, false, ""}));

TEST(CoordinateFormat, FormatIsReadAtEveryCall) {
    MemoryProfileStore profile;
    EXPECT_EQ(FormatLatitude(1.5, profile), "01° 30.00000 N  "); // default 0
    profile.SetInt("Settings", "PositionFormat", 2);
    EXPECT_EQ(FormatLatitude(1.5, profile), "01.50000000000° N  ");
}

TEST(CoordinateFormat, NotANumberDoesNotOverflow) {
    MemoryProfileStore profile;
    EXPECT_EQ(FormatLatitude(std::numeric_limits<double>::quiet_NaN(), profile),
              "00° 00.00000 N  ");
    EXPECT_EQ(FormatLongitude(1e300, profile), "000° 00.00000 E   ");
}

TEST(DistanceMiles, FlatEarthDistances) {
    EXPECT_EQ(DistanceMiles(48.1, 11.5, 48.1, 11.5), 0.0);
    EXPECT_NEAR(DistanceMiles(10, 20, 11, 20), 69.09, 0.01);
    // A degree of longitude shrinks with the cosine of the mean latitude.
    EXPECT_NEAR(DistanceMiles(60, 20, 60, 21), 69.09 * 0.5, 0.01);
    EXPECT_DOUBLE_EQ(DistanceMiles(1, 2, 3, 4), DistanceMiles(3, 4, 1, 2));
}

} // namespace
