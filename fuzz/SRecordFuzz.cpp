// Firmware files from anywhere: the check before an upgrade takes a file
// whole or refuses it with a reason, and what it takes is only well-formed
// records ending in the termination record, which read back the same.

#include "upgrade/SRecord.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

bool IsData(char type) {
    return type == '1' || type == '2' || type == '3';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(bytes), size);
    const SRecordImage image = CheckSRecordText(input);
    Check(image.Ok() == image.detail.empty());
    if (!image.Ok()) {
        Check(image.records.empty());
        return 0;
    }
    Check(!image.records.empty());
    std::string sent;
    bool data = false;
    for (size_t i = 0; i < image.records.size(); ++i) {
        std::string_view line = image.records[i];
        Check(line.ends_with('\n'));
        line.remove_suffix(line.ends_with("\r\n") ? 2 : 1);
        const SRecordCheck record = CheckSRecord(line);
        Check(record.status == SRecordStatus::Good && record.type != '0');
        Check(IsTermination(record.type) == (i + 1 == image.records.size()));
        data = data || IsData(record.type);
        sent += image.records[i];
    }
    Check(data);
    Check(CheckSRecordText(sent).records == image.records);
    return 0;
}
