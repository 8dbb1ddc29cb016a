#include "nmea/FieldConversions.h"
#include "nmea/NmeaFields.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

namespace {

struct FieldCase {
    std::string data;
    int n;
    std::string expected;
    size_t end;
};

class GetFieldTest : public testing::TestWithParam<FieldCase> {};

TEST_P(GetFieldTest, CopiesFieldAndReportsWhereItEnded) {
    const FieldCase& c = GetParam();
    char buffer[NmeaFields::kMaxFieldLength + 1];
    const size_t end = GetField(c.data, c.n, buffer);
    EXPECT_EQ(std::string(buffer), c.expected);
    EXPECT_EQ(end, c.end);
    EXPECT_EQ(std::string(NmeaFields(c.data).Get(c.n)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Rules, GetFieldTest,
                         testing::Values(
                             // Empty between commas reads "0", missing at the end reads empty.
                             FieldCase{"A,,C", 0, "A", 1}, FieldCase{"A,,C", 1, "0", 2},
                             FieldCase{"A,,C", 2, "C", 4}, FieldCase{"A,,C", 3, "", 4},
                             // A trailing comma opens a field that starts at the end: empty.
                             FieldCase{"A,B,", 2, "", 4}, FieldCase{",", 0, "0", 0},
                             FieldCase{"", 0, "", 0},
                             // Fields are cut at 30 characters.
                             FieldCase{std::string(40, 'x') + ",Y", 0, std::string(30, 'x'), 30},
                             FieldCase{std::string(40, 'x') + ",Y", 1, "Y", 42},
                             // The text ends at a NUL byte.
                             FieldCase{std::string("12,3\0,4", 7), 1, "3", 4},
                             FieldCase{std::string("12,3\0,4", 7), 2, "", 4}));

TEST(FieldConversions, WholeNumbersStopAtTheFirstNonDigit) {
    EXPECT_EQ(ParseWhole("123abc"), 123);
    EXPECT_EQ(ParseWhole(" -42"), -42);
    EXPECT_EQ(ParseWhole("+7"), 7);
    EXPECT_EQ(ParseWhole("x1"), 0);
    EXPECT_EQ(ParseWhole(""), 0);
    EXPECT_EQ(ParseWhole("99999999999999999999"), 2147483647);
    EXPECT_EQ(ParseWhole("-99999999999999999999"), -2147483647 - 1);
}

TEST(FieldConversions, RealNumbersRejectWhatIsNotAFiniteNumber) {
    EXPECT_DOUBLE_EQ(ParseReal("545.4"), 545.4);
    EXPECT_DOUBLE_EQ(ParseReal("-0.5M"), -0.5);
    EXPECT_DOUBLE_EQ(ParseReal(".25"), 0.25);
    EXPECT_DOUBLE_EQ(ParseReal("+3"), 3.0);
    // A NaN or infinity would poison every average downstream.
    EXPECT_EQ(ParseReal("nan"), 0.0);
    EXPECT_EQ(ParseReal("inf"), 0.0);
    EXPECT_EQ(ParseReal("1e999"), 0.0);
    EXPECT_EQ(ParseReal("abc"), 0.0);
}

// The short-cut for plain decimals must round exactly like the C library.
TEST(FieldConversions, RealNumbersRoundLikeStrtod) {
    std::mt19937 random(7);
    for (int i = 0; i < 200000; ++i) {
        std::string text = random() % 4 == 0 ? "-" : "";
        const int digits = 1 + static_cast<int>(random() % 17);
        const int point = static_cast<int>(random() % (digits + 1));
        for (int d = 0; d < digits; ++d) {
            if (d == point) text += '.';
            text += static_cast<char>('0' + random() % 10);
        }
        ASSERT_EQ(ParseReal(text), std::strtod(text.c_str(), nullptr)) << text;
    }
}

TEST(FieldConversions, TimeAndAngles) {
    EXPECT_EQ(ParseTimeOfDay("123519.75"), (TimeOfDay{12, 35, 19}));
    EXPECT_EQ(ParseTimeOfDay("1235"), (TimeOfDay{12, 35, 0})); // missing pair reads 0
    EXPECT_EQ(ParseTimeOfDay("0"), (TimeOfDay{0, 0, 0}));
    EXPECT_NEAR(ParseLatitude("4807.038", "N"), 48.1173, 1e-12);
    EXPECT_NEAR(ParseLatitude("4807.038", "S"), -48.1173, 1e-12);
    EXPECT_NEAR(ParseLongitude("01131.000", "E"), 11.516666666666667, 1e-12);
    EXPECT_NEAR(ParseLongitude("01131.000", "W"), -11.516666666666667, 1e-12);
    EXPECT_EQ(ParseLatitude("0", "N"), 0.0);
    EXPECT_NEAR(ParseLatitude("3845.12345678", "N"), 38.0 + 45.12345678 / 60, 1e-12);
}

} // namespace
