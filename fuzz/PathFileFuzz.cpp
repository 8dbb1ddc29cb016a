// .pth files from anywhere: a read takes the whole file or refuses it with a
// reason; what it takes saves as version 2 and reads back the same. The
// input is also tried behind a good header, so that records are reached.

#include "survey/PathFile.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

constexpr uint32_t kMaxRecords = 100000;

void Check(bool ok) {
    if (!ok) std::abort();
}

void ReadOne(std::string_view file) {
    PathFileImage image;
    std::string error;
    if (!ParsePathFile(file, kMaxRecords, image, error)) return Check(!error.empty());
    Check(image.count <= kMaxRecords && PathComment(image.header).size() <= kMaxCommentLength);

    PathHeader header = image.header;
    StampHeader(header, image.count);
    std::string saved(header.begin(), header.end());
    saved.resize(kPathHeaderSize + size_t{image.count} * kPathRecordSize);
    for (uint32_t i = 0; i < image.count; ++i) {
        const SurveySample s = image.Record(i);
        Check(std::isfinite(s.latitude) && std::isfinite(s.horizontalAccuracy));
        EncodeRecord(s, saved.data() + kPathHeaderSize + size_t{i} * kPathRecordSize);
    }
    PathFileImage again;
    Check(ParsePathFile(saved, kMaxRecords, again, error) && again.count == image.count);
    for (uint32_t i = 0; i < image.count; ++i)
        Check(again.Record(i) == image.Record(i));
}

// A header of version 1 or 2 (by the first byte) for as many whole records
// as the rest of the input holds.
std::string BehindHeader(std::string_view input) {
    if (input.empty()) return {};
    const uint32_t version = 1 + (static_cast<unsigned char>(input[0]) & 1);
    const size_t size = version == 1 ? kPathRecordSizeV1 : kPathRecordSize;
    const uint32_t count = static_cast<uint32_t>((input.size() - 1) / size);
    std::string file(kPathHeaderSize, '\0');
    std::memcpy(file.data(), kPathSignature.data(), kPathSignature.size());
    std::memcpy(file.data() + 32, &version, 4);
    std::memcpy(file.data() + 36, &count, 4);
    return file.append(input.substr(1, size_t{count} * size));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(bytes), size);
    ReadOne(input);
    ReadOne(BehindHeader(input));
    return 0;
}
