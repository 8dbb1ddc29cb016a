#pragma once

#include <cstdint>
#include <string>

// printf's "%W.Pf" and "%Wd" for files and reports that must read the same
// whatever the user's locale: always a decimal point, never a grouping mark.
// A negative width aligns left, as "%-W" does.
std::string FormatFixed(double value, int precision, int width = 0);
std::string FormatWhole(int64_t value, int width = 0, char fill = ' ');
