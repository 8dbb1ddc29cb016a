#include "HorizonMask.h"

#include "TextUtil.h"

#include <algorithm>

namespace {

bool Covers(const MaskSector& s, double azimuth) {
    if (s.fromAzimuth <= s.toAzimuth) return azimuth >= s.fromAzimuth && azimuth <= s.toAzimuth;
    return azimuth >= s.fromAzimuth || azimuth <= s.toAzimuth; // the sector spans north
}

bool IsAzimuth(double a) {
    return a >= 0 && a <= 360;
}

} // namespace

double HorizonMask::LimitAt(double azimuth) const {
    double limit = base;
    for (const MaskSector& s : sectors) {
        if (Covers(s, azimuth)) limit = std::max(limit, s.elevation);
    }
    return limit;
}

std::optional<MaskSector> HorizonMask::ParseSector(std::string_view text) {
    const size_t colon = text.find(':');
    const size_t dash = text.find('-');
    if (colon == std::string_view::npos || dash == std::string_view::npos || dash > colon) {
        return std::nullopt;
    }
    const auto from = ParseNumber(text.substr(0, dash));
    const auto to = ParseNumber(text.substr(dash + 1, colon - dash - 1));
    const auto elevation = ParseNumber(text.substr(colon + 1));
    if (!from || !to || !elevation) return std::nullopt;
    if (!IsAzimuth(*from) || !IsAzimuth(*to) || *elevation < 0 || *elevation > 90) {
        return std::nullopt;
    }
    return MaskSector{*from, *to, *elevation};
}
