#include "nmea/FieldConversions.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>

namespace {

constexpr double kMinutesToDegrees = 0.016666666666666666;

std::string_view SkipBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    return text;
}

// Degrees from the first `degreeDigits` characters, minutes from the rest.
double ParseAngle(std::string_view text, size_t degreeDigits, bool negate) {
    const size_t split = std::min(degreeDigits, text.size());
    const double degrees = ParseWhole(text.substr(0, split));
    const double minutes = ParseReal(text.substr(split));
    const double value = degrees + minutes * kMinutesToDegrees;
    return negate ? -value : value;
}

// The common case, "-123.4567" with at most 15 digits and no exponent: the
// digits and the power of ten are both exact doubles, so one division gives
// the correctly rounded value, the same as the general conversion.
bool ParsePlainDecimal(std::string_view text, double& value) {
    static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const char* p = text.data();
    const char* const end = p + text.size();
    const bool negative = p < end && *p == '-';
    if (negative) ++p;
    uint64_t digits = 0;
    int count = 0, decimals = -1;
    for (; p < end; ++p) {
        const unsigned digit = static_cast<unsigned char>(*p) - unsigned{'0'};
        if (digit <= 9) {
            digits = digits * 10 + digit;
            ++count;
            if (decimals >= 0) ++decimals;
        } else if (*p == '.' && decimals < 0) {
            decimals = 0;
        } else {
            break;
        }
    }
    // Anything else (exponents, long digit strings) takes the general road.
    if (count == 0 || count > 15 || (p < end && (*p == 'e' || *p == 'E'))) return false;
    const double magnitude = static_cast<double>(digits) / kPowers[decimals < 0 ? 0 : decimals];
    value = negative ? -magnitude : magnitude;
    return true;
}

} // namespace

int ParseWhole(std::string_view text) {
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end && (*p == ' ' || *p == '\t'))
        ++p;
    bool negative = false;
    if (p < end && (*p == '-' || *p == '+')) negative = *p++ == '-';
    constexpr uint64_t kLimit = static_cast<uint64_t>(INT_MAX) + 1;
    uint64_t value = 0;
    for (; p < end; ++p) {
        const unsigned digit = static_cast<unsigned char>(*p) - unsigned{'0'};
        if (digit > 9) break;
        value = value * 10 + digit;
        if (value >= kLimit) {
            value = kLimit;
            break;
        }
    }
    if (negative) return static_cast<int>(-static_cast<int64_t>(value));
    return static_cast<int>(std::min<uint64_t>(value, INT_MAX));
}

double ParseReal(std::string_view text) {
    text = SkipBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (double fast; ParsePlainDecimal(text, fast)) return fast;
    double value = 0;
    const auto [end, ec] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (ec != std::errc() || !std::isfinite(value)) return 0;
    return value;
}

TimeOfDay ParseTimeOfDay(std::string_view text) {
    auto pair = [&](size_t at) { return at < text.size() ? ParseWhole(text.substr(at, 2)) : 0; };
    return {pair(0), pair(2), pair(4)};
}

double ParseLatitude(std::string_view text, std::string_view hemisphere) {
    return ParseAngle(text, 2, !hemisphere.empty() && hemisphere.front() == 'S');
}

double ParseLongitude(std::string_view text, std::string_view hemisphere) {
    return ParseAngle(text, 3, !hemisphere.empty() && hemisphere.front() == 'W');
}
