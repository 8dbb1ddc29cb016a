#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Exclusive-or of every character of a sentence between '$' and '*'.
uint8_t NmeaChecksum(std::string_view body);

// "$" + body + "*" + two upper-case hex digits + CR LF.
std::string NmeaSentence(std::string_view body);
