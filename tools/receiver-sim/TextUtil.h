#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// printf into a std::string.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The whole text as a decimal number, or nothing (trailing text is an error).
std::optional<double> ParseNumber(std::string_view text);
std::optional<long long> ParseInteger(std::string_view text);

// Every field between separators: "a,,b" gives three fields, "" gives one.
std::vector<std::string_view> Split(std::string_view text, char separator);
