#include "nmea/FieldConversions.h"
#include "nmea/NmeaFields.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>

namespace {

TEST(GetField, CopiesTheFieldAndReportsWhereItEnded) {
    const std::string longField = std::string(40, 'x') + ",Y", withNul("12,3\0,4", 7);
    // Empty between commas reads "0", missing at the end reads empty; a trailing
    // comma opens a field that starts at the end: empty. Fields are cut at 30
    // characters; the text ends at a NUL byte.
    const std::tuple<std::string, int, std::string, size_t> cases[] = {
        {"A,,C", 0, "A", 1},     {"A,,C", 1, "0", 2},
        {"A,,C", 2, "C", 4},     {"A,,C", 3, "", 4},
        {"A,B,", 2, "", 4},      {",", 0, "0", 0},
        {"", 0, "", 0},          {longField, 0, std::string(30, 'x'), 30},
        {longField, 1, "Y", 42}, {withNul, 1, "3", 4},
        {withNul, 2, "", 4}};
    for (const auto& [data, n, expected, end] : cases) {
        char buffer[NmeaFields::kMaxFieldLength + 1];
        EXPECT_EQ(GetField(data, n, buffer), end) << data << " #" << n;
        EXPECT_EQ(std::string(buffer), expected) << data << " #" << n;
        EXPECT_EQ(std::string(NmeaFields(data).Get(n)), expected) << data << " #" << n;
    }
}

TEST(FieldConversions, NumbersStopAtTheFirstNonDigitAndRealsMustBeFinite) {
    // clang-format off
    const std::pair<const char*, int> wholes[] = {
        {"123abc", 123}, {" -42", -42}, {"+7", 7}, {"x1", 0}, {"", 0},
        {"99999999999999999999", INT32_MAX}, {"-99999999999999999999", INT32_MIN}};
    // clang-format on
    for (const auto& [text, value] : wholes)
        EXPECT_EQ(ParseWhole(text), value) << text;
    // A NaN or infinity would poison every average downstream.
    const std::pair<const char*, double> reals[] = {
        {"545.4", 545.4}, {"-0.5M", -0.5}, {".25", 0.25},  {"+3", 3.0},
        {"nan", 0.0},     {"inf", 0.0},    {"1e999", 0.0}, {"abc", 0.0},
    };
    for (const auto& [text, value] : reals)
        EXPECT_DOUBLE_EQ(ParseReal(text), value) << text;
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

TEST(FieldConversions, TimeAndAngleDigits) {
    // Whole times and angles: the corpus test. Hemispheres: the decoders' tables.
    EXPECT_EQ(ParseTimeOfDay("1235"), (TimeOfDay{12, 35, 0})); // missing pair reads 0
    EXPECT_EQ(ParseTimeOfDay("0"), (TimeOfDay{0, 0, 0}));
    EXPECT_EQ(ParseLatitude("0", "N"), 0.0);
}

} // namespace
