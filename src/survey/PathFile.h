#pragma once

#include "survey/SurveySample.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The .pth path file, little-endian: a 2048-byte header ("Harrowview",
// version, record count, comment), then the records. Version 2 is written;
// version 1 and the old header-less format (a count, then 18-byte records)
// are read.
inline constexpr size_t kPathHeaderSize = 2048;
inline constexpr size_t kPathRecordSize = 78;
inline constexpr size_t kPathRecordSizeV1 = 62;
inline constexpr size_t kOldRecordSize = 18;
inline constexpr size_t kCommentOffset = 40;
inline constexpr size_t kMaxCommentLength = 511;
inline constexpr std::string_view kPathSignature{"Harrowview\0", 11};

// Kept whole by the survey: bytes past the signature's and the comment's
// terminators are saved as they were read.
using PathHeader = std::array<char, kPathHeaderSize>;

enum class PathFormat { Version2, Version1, Old };

// A file that passed every check: its records can be decoded one by one.
// It reads from the bytes given to ParsePathFile, which must outlive it.
struct PathFileImage {
    PathFormat format = PathFormat::Version2;
    uint32_t count = 0;
    std::string_view records; // count records back to back, within the file's bytes
    PathHeader header{};      // all zeros for the old format

    SurveySample Record(uint32_t index) const;
};

// Checks the whole file before anything is taken from it: the signature (or
// the old format's exact size of 4 + 18 n bytes), the version (1 or 2), a
// size that matches the record count exactly, at most `maxRecords` records,
// and finite values. False, with the reason, when any check fails.
bool ParsePathFile(std::string_view bytes, uint32_t maxRecords, PathFileImage& image,
                   std::string& error);

// Signature, version 2 and the count into the header; the rest stays.
void StampHeader(PathHeader& header, uint32_t count);
// One version 2 record at `out` (kPathRecordSize bytes).
void EncodeRecord(const SurveySample& sample, char* out);

// The comment: text up to its terminator, at most 511 characters.
std::string PathComment(const PathHeader& header);
// Replaces the comment, cut to 511 characters; bytes after its terminator stay.
void SetPathComment(PathHeader& header, std::string_view text);
