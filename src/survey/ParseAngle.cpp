#include "survey/ParseAngle.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace {

constexpr int kMaxIntegerDigits = 4;
constexpr int kMaxDigits = 11;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// One number at the front of `text`: an optional blank, 1 to 4 integer
// digits, an optional fraction; at most 11 digits in all.
std::optional<double> TakeNumber(std::string_view& text) {
    if (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    size_t i = 0;
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    const size_t integerDigits = i;
    if (integerDigits == 0 || integerDigits > kMaxIntegerDigits) return std::nullopt;
    size_t digits = integerDigits;
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && IsDigit(text[i]); ++i)
            ++digits;
    }
    if (digits > kMaxDigits) return std::nullopt;
    double value = 0;
    std::from_chars(text.data(), text.data() + i, value);
    text.remove_prefix(i);
    return value;
}

// +1 or -1 for a hemisphere letter at the end (cut off with one blank
// before it), 0 when there is none.
int TakeHemisphere(std::string_view& text, bool isLatitude) {
    if (text.empty()) return 0;
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text.back())));
    const char* letters = isLatitude ? "NS" : "EW";
    const int sign = letter == letters[0] ? 1 : letter == letters[1] ? -1 : 0;
    if (sign == 0) return 0;
    text.remove_suffix(1);
    if (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return sign;
}

} // namespace

std::optional<double> ParseAngle(std::string_view text, bool isLatitude) {
    const double limit = isLatitude ? 90 : 180;
    int sign = 0;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        sign = text.front() == '-' ? -1 : 1;
        text.remove_prefix(1);
    }
    const int hemisphere = TakeHemisphere(text, isLatitude);
    if (sign != 0 && hemisphere != 0) return std::nullopt; // "-51 N" means nothing sure
    const double factor = sign != 0 ? sign : hemisphere != 0 ? hemisphere : 1;

    const std::optional<double> degrees = TakeNumber(text);
    if (!degrees || *degrees > limit) return std::nullopt;
    double minutes = 0, seconds = 0;
    if (!text.empty()) {
        const std::optional<double> m = TakeNumber(text);
        if (!m || *m > 60) return std::nullopt;
        minutes = *m;
    }
    if (!text.empty()) {
        const std::optional<double> s = TakeNumber(text);
        if (!s || *s > 60 || !text.empty()) return std::nullopt;
        seconds = *s;
    }
    if (*degrees == limit && (minutes > 0 || seconds > 0)) return std::nullopt;
    const double value =
        *degrees + minutes * 0.016666666666666666 + seconds * 0.0002777777777777778;
    // 89 59 60 is the limit itself; anything that carries past it is not.
    if (value > limit + 1e-9) return std::nullopt;
    return std::min(value, limit) * factor;
}
