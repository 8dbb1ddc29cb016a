#pragma once

#include <string_view>

enum class SRecordStatus { Good, BadChecksum, Malformed };

struct SRecordCheck {
    SRecordStatus status = SRecordStatus::Malformed;
    char type = 0; // '0'..'9' when readable
};

// Checks one Motorola S-record line ("S1137AF0...C5"): a known type, hex
// pairs only, a byte count that matches the line and covers the address,
// and the checksum (ones' complement of the low byte of the sum of the
// count, address and data bytes).
SRecordCheck CheckSRecord(std::string_view line);

// S7, S8 and S9 end a file.
inline bool IsTermination(char type) {
    return type == '7' || type == '8' || type == '9';
}
