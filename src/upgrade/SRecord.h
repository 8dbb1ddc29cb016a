#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

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

// A firmware file read whole and checked before the receiver hears of it:
// a file that could not be sent to its end is never started. The checked
// lines are what goes out, so the file may change on disk meanwhile.
struct SRecordImage {
    // Larger than any receiver's firmware; keeps a wrong pick from filling memory.
    static constexpr size_t kMaxFileBytes = 64u << 20;

    // The records to send, in file order, each with its own line end ("\n"
    // or "\r\n"; "\r\n" added to a last line that had none). S0 header
    // records and blank lines are left out: the receiver never gets them.
    // The last one is the termination record.
    std::vector<std::string> records;
    std::string error;  // empty, "Error opening File" or "Incorrect File Format"
    std::string detail; // why, with the line number, for the log or standard error

    bool Ok() const { return error.empty(); }
};

// Every line is one S-record whatever its length, with a good checksum; at
// least one data record (S1, S2 or S3); the termination record (S7, S8 or
// S9) last, blank lines apart.
SRecordImage CheckSRecordText(std::string_view text);
SRecordImage ReadSRecordFile(const std::string& path);
