// .gps files from anywhere: a read takes the whole file or refuses it and
// keeps nothing; what it took saves to a file that reads back the same. Any
// strings cut from the input either save to a file that reads back as them
// (gaps closed) or are refused.

#include "config/GpsConfigFile.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

void ReadOne(std::string_view file) {
    const GpsFileRead read = ParseGpsFile(file);
    Check(read.count >= 0 && read.count <= kInitStringSlots && (read.Ok() || read.count == 0));
    for (int i = 0; i < kInitStringSlots; ++i)
        Check(read.rawStrings[static_cast<size_t>(i)].empty() == (i >= read.count));
    if (!read.Ok()) return;
    std::string saved, error;
    Check(EncodeGpsFile(read.rawStrings, saved, error));
    Check(ParseGpsFile(saved).rawStrings == read.rawStrings);
}

// The input cut at '|' into strings as a profile might hold them.
void SaveOne(std::string_view input) {
    std::vector<std::string> slots, kept;
    for (size_t start = 0; start <= input.size() && slots.size() <= kInitStringSlots;) {
        const size_t end = std::min(input.find('|', start), input.size());
        slots.emplace_back(input.substr(start, end - start));
        if (!slots.back().empty()) kept.push_back(slots.back());
        start = end + 1;
    }
    std::string bytes, error;
    if (!EncodeGpsFile(slots, bytes, error)) return Check(!error.empty());
    const GpsFileRead read = ParseGpsFile(bytes);
    Check(read.Ok() &&
          std::vector<std::string>(read.rawStrings.begin(), read.rawStrings.begin() + read.count) == kept);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(bytes), size);
    ReadOne(input);
    SaveOne(input);
    return 0;
}
