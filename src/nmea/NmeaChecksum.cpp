#include "nmea/NmeaChecksum.h"

#include <cstdio>

uint8_t NmeaChecksum(std::string_view body) {
    uint8_t sum = 0;
    for (char c : body)
        sum ^= static_cast<uint8_t>(c);
    return sum;
}

std::string NmeaSentence(std::string_view body) {
    char tail[6];
    std::snprintf(tail, sizeof tail, "*%02X\r\n", NmeaChecksum(body));
    std::string out;
    out.reserve(body.size() + 6);
    return out.append("$").append(body).append(tail);
}
