#pragma once

#include <string_view>

// Number and coordinate conversions shared by the decoders. They never fail:
// text that is not a number reads as 0, like the C library's atoi and atof
// that receivers' own tools use.

// Optional blanks and sign, then digits up to the first non-digit;
// saturates at the int range.
int ParseWhole(std::string_view text);
// A decimal number with optional fraction and exponent. Text that is not a
// number, and infinities or NaN spelled out, read as 0.
double ParseReal(std::string_view text);

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const TimeOfDay&) const = default;
};

// hhmmss.ss in pairs of digits; a missing pair reads 0, the fraction is dropped.
TimeOfDay ParseTimeOfDay(std::string_view text);
// ddmm.mmmm, negated when the hemisphere starts with 'S'.
double ParseLatitude(std::string_view text, std::string_view hemisphere);
// dddmm.mmmm, negated when the hemisphere starts with 'W'.
double ParseLongitude(std::string_view text, std::string_view hemisphere);
