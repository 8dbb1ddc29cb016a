#include "ttff/TtffNumbers.h"

#include <charconv>
#include <cstdlib>

namespace {

std::string Pad(std::string text, int width, char fill) {
    const size_t wanted = static_cast<size_t>(std::abs(width));
    if (text.size() >= wanted) return text;
    if (width < 0) return text.append(wanted - text.size(), ' ');
    // Zeros go after the sign, as printf puts them.
    const size_t at = fill == '0' && !text.empty() && text[0] == '-' ? 1 : 0;
    return text.insert(at, wanted - text.size(), fill);
}

} // namespace

std::string FormatFixed(double value, int precision, int width) {
    char text[400]; // the longest double in fixed notation, with room for the decimals
    const auto result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, precision);
    return Pad(std::string(text, result.ptr), width, ' ');
}

std::string FormatWhole(int64_t value, int width, char fill) {
    char text[24];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return Pad(std::string(text, result.ptr), width, fill);
}
