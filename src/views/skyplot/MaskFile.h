#pragma once

#include "views/skyplot/PhysicalMask.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// The .msk file, little-endian, no header: the comment buffer, then the 360
// mask records (azimuth, elevation, observed; 32-bit signed each).
inline constexpr size_t kCommentBufferSize = 2048;
inline constexpr size_t kMaskRecordSize = 12;
inline constexpr size_t kMaskFileSize = kCommentBufferSize + kMaskEntries * kMaskRecordSize;

// The comment as zero-terminated text. The bytes after the terminator are
// saved as they stand (the tail of an earlier, longer comment); readers
// ignore them.
using CommentBuffer = std::array<char, kCommentBufferSize>;

struct MaskFileContent {
    CommentBuffer comment{};
    MaskEntries mask{};

    bool operator==(const MaskFileContent&) const = default;
};

// The text up to the first zero byte (the whole buffer if there is none).
std::string CommentText(const CommentBuffer& buffer);
// Replaces the text; what lies past its terminator stays. Text that does not
// fit is cut so that the terminator does.
void SetCommentText(CommentBuffer& buffer, std::string_view text);

std::string EncodeMaskFile(const MaskFileContent& content);
// False, with the reason, when `bytes` is shorter than a mask file; `out` is
// then untouched. Bytes past the file's size are ignored.
bool DecodeMaskFile(std::string_view bytes, MaskFileContent& out, std::string& error);

// Whether the file opens for reading and writing, so that a mask read from
// it can be saved back.
bool CanOpenForUpdate(const std::string& path);

// A failed read leaves `out` untouched.
bool ReadMaskFile(const std::string& path, MaskFileContent& out, std::string& error);
bool WriteMaskFile(const std::string& path, const MaskFileContent& content, std::string& error);
