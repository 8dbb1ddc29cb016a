#include "nmea/FieldConversions.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>

namespace {

constexpr double kMinutesToDegrees = 0.016666666666666666;

std::string_view SkipBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
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

} // namespace

int ParseWhole(std::string_view text) {
    text = SkipBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = std::min<long long>(value * 10 + (c - '0'), static_cast<long long>(INT_MAX) + 1);
    }
    if (negative) value = -value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

double ParseReal(std::string_view text) {
    text = SkipBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0;
    const auto [end, ec] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) return 0;
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
