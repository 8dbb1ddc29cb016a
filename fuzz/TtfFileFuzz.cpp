// .ttf files from anywhere: a read takes the whole file or refuses it with a
// reason, and what it takes carries on as results and saves to the same
// bytes.

#include "ttff/TtffFiles.h"
#include "ttff/TtffResults.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(bytes), size);
    // Short inputs say little about the reader; padded to the size of a file
    // they reach the checks of every field.
    std::string file(input.substr(0, kTtfFileSize));
    if (size < kTtfFileSize && size > 0) file.resize(kTtfFileSize, '\0');
    for (const std::string_view candidate : {input, std::string_view(file)}) {
        const TtfDecoded read = DecodeTtf(candidate);
        Check(read.ok == read.error.empty());
        if (!read.ok) {
            Check(read.data == TtffData{});
            continue;
        }
        Check(EncodeTtf(read.data) == candidate);
        TtffResults results;
        results.Load(read.data);
        results.RecordFix(k3D50m, 12.5);
        results.RecordAcquisition(2, 30, 7);
        Check(DecodeTtf(EncodeTtf(results.ToData(read.data.savedMode))).ok);
        Check(!TtffCsvText(read.data).empty());
    }
    return 0;
}
