// Mask files from anywhere: a read either takes the whole file or refuses it
// and changes nothing; what it took writes back byte for byte; the mask
// rule and the plot's mapping take whatever values a file or a sentence
// brings.

#include "views/skyplot/MaskFile.h"
#include "views/skyplot/PolarGeometry.h"
#include "views/skyplot/SkyPlotModel.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

// The input over and over up to a whole file, so that short inputs reach
// the records too.
std::string Tiled(std::string_view input) {
    std::string file;
    while (!input.empty() && file.size() < kMaskFileSize)
        file += input;
    return file;
}

// The records as satellites, azimuths and elevations of any size included.
SatelliteTable AsSatellites(const MaskEntries& mask) {
    SatelliteTable table{};
    for (size_t i = 0; i < table.size(); ++i) {
        const MaskEntry& e = mask[i];
        table[i] = {e.observed, e.maskAzimuth, 0, e.maskAzimuth, e.maskElevation,
                    1,          e.observed & 1};
    }
    return table;
}

void ReadOne(const std::string& file) {
    MaskFileContent before;
    SetCommentText(before.comment, "before");
    before.mask[7] = {7, 3, 1};
    MaskFileContent content = before;
    std::string error;
    const bool ok = DecodeMaskFile(file, content, error);
    Check(ok == (file.size() >= kMaskFileSize));
    if (!ok) {
        Check(content == before && !error.empty());
        return;
    }
    Check(EncodeMaskFile(content) == file.substr(0, kMaskFileSize));

    SkyPlotModel model;
    model.Load(content);
    Check(model.Comment().size() <= kCommentBufferSize);
    Check(model.FileContent() == content);
    model.Options().snrThreshold = content.mask[0].maskElevation;
    model.Update(AsSatellites(content.mask), content.mask[1].maskAzimuth);
    const PolarGeometry g(400, 300, 280.5);
    for (const MaskEntry& e : model.Mask().Entries())
        g.Map(e.maskAzimuth, e.maskElevation);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(bytes), size);
    ReadOne(std::string(input));
    ReadOne(Tiled(input));
    return 0;
}
