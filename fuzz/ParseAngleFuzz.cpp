// Reference positions as anyone might type them: ParseAngle either refuses
// the text or gives a value within 90 degrees of latitude or 180 of
// longitude, which typed again as decimal degrees reads back the same.

#include "survey/ParseAngle.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(bytes), size);
    for (const bool latitude : {true, false}) {
        const std::optional<double> value = ParseAngle(input, latitude);
        if (!value) continue;
        Check(std::isfinite(*value) && std::fabs(*value) <= (latitude ? 90 : 180));
        char text[32];
        std::snprintf(text, sizeof text, "%s%.8f", *value < 0 ? "-" : "", std::fabs(*value));
        const std::optional<double> again = ParseAngle(text, latitude);
        Check(again && std::fabs(*again - *value) <= 1e-8);
    }
    return 0;
}
