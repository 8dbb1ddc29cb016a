#include "SRecord.h"

#include "nmea/HexDigit.h"

#include <array>

namespace {

// Address bytes by record type; 0 marks the reserved S4.
constexpr std::array<int, 10> kAddressBytes = {2, 2, 3, 4, 0, 2, 3, 4, 3, 2};

int HexByte(std::string_view text, size_t at) {
    const int high = HexDigitValue(text[at]);
    const int low = HexDigitValue(text[at + 1]);
    return high < 0 || low < 0 ? -1 : high * 16 + low;
}

} // namespace

SRecordCheck CheckSRecord(std::string_view line) {
    SRecordCheck result;
    if (line.size() < 4 || line[0] != 'S' || line[1] < '0' || line[1] > '9') return result;
    const int addressBytes = kAddressBytes[static_cast<size_t>(line[1] - '0')];
    if (addressBytes == 0) return result;
    result.type = line[1];

    const int count = HexByte(line, 2);
    if (count < addressBytes + 1 || line.size() != 4 + 2 * static_cast<size_t>(count)) {
        return result;
    }
    unsigned sum = static_cast<unsigned>(count);
    int last = 0;
    for (int i = 0; i < count; ++i) {
        last = HexByte(line, 4 + 2 * static_cast<size_t>(i));
        if (last < 0) return result;
        if (i + 1 < count) sum += static_cast<unsigned>(last);
    }
    const bool matches = static_cast<unsigned>(last) == (~sum & 0xFFu);
    result.status = matches ? SRecordStatus::Good : SRecordStatus::BadChecksum;
    return result;
}
