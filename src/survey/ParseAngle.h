#pragma once

#include <optional>
#include <string_view>

// A latitude or longitude as typed: decimal degrees, or degrees and minutes,
// or degrees, minutes and seconds, separated by one blank, with either a
// leading sign or a trailing hemisphere letter (N/S or E/W, after an
// optional blank). "51 30 15.5 N", "-0 7.5", "0 7 30 W", "51.5".
// Nothing (an error) for any other text and for values beyond 90 degrees of
// latitude or 180 of longitude.
std::optional<double> ParseAngle(std::string_view text, bool isLatitude);
