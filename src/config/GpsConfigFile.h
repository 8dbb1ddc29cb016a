#pragma once

#include "config/InitStrings.h"

#include <span>
#include <string>
#include <string_view>

// A .gps file: the initialisation strings in display form, one a line, each
// line ended by CR LF. Reading also takes LF-only files and skips blank lines.
inline constexpr size_t kMaxGpsLine = 1000; // bytes of one command, line end not counted

struct GpsFileRead {
    InitSlots rawStrings; // raw form, the commands first, then empty rawStrings
    int count = 0;
    std::string error; // empty when the file was taken; otherwise nothing was
    bool Ok() const { return error.empty(); }
};

// The whole text, or a refusal saying why: control bytes other than tab (no
// text file of commands has them), a carriage return that ends no line, a
// line over kMaxGpsLine bytes, more than ten commands.
GpsFileRead ParseGpsFile(std::string_view text);
// Opens `path` read-only; the error names the file.
GpsFileRead ReadGpsFile(const std::string& path);

// The file's bytes for these raw strings, empty ones skipped. Refuses (false,
// `error` says which command and why) a string that would not read back the
// same: a line break or control byte inside its text, a text ending in a
// marker of its own, an over-long line.
bool EncodeGpsFile(std::span<const std::string> rawStrings, std::string& bytes, std::string& error);
// Encodes, then replaces `path` whole (through a temporary file).
bool WriteGpsFile(const std::string& path, std::span<const std::string> rawStrings,
                  std::string& error);
