#pragma once

#include "ttff/TtffResults.h"
#include "ttff/TtffRunRecord.h"

#include <string>
#include <string_view>
#include <vector>

// The .ttf results file: little-endian, no header, exactly this long.
constexpr size_t kTtfFileSize = 22036;

std::string EncodeTtf(const TtffData& data);

// The bytes of a whole .ttf file, checked before anything is taken: the
// size, the mode, every count against its histogram, every value finite and
// in range. On failure `error` says what is wrong and nothing is returned.
struct TtfDecoded {
    bool ok = false;
    TtffData data;
    std::string error;
};
TtfDecoded DecodeTtf(std::string_view bytes);

// A file read whole into `into`, or refused with `into` as it was and a
// message naming the file.
bool ReadTtfFile(const std::string& path, TtffData& into, std::string& error);
// Each writer replaces its file whole or leaves it as it was (SafeFileWrite).
bool WriteTtfFile(const std::string& path, const TtffData& data, std::string& error);

// The comma-separated export: statistics, then the histograms bin by bin.
// Numbers always with a decimal point, whatever the user's locale.
std::string TtffCsvText(const TtffData& data);
bool WriteTtffCsvFile(const std::string& path, const TtffData& data, std::string& error);

// One row per test: n, mode, the nine times, the three acquisition
// accuracies (empty when not reached), whether it timed out and failed.
std::string TtffRunsCsvText(const std::vector<TtffRunRecord>& runs);
bool WriteTtffRunsCsvFile(const std::string& path, const std::vector<TtffRunRecord>& runs,
                          std::string& error);

// Whether Save As writes the comma-separated text: a name ending ".csv" in
// any case; anything else gets the .ttf format.
bool IsCsvPath(std::string_view path);
