#pragma once

#include "SimConfig.h"
#include "SimReceiver.h"
#include "TextUtil.h"
#include "nmea/DecodeSettings.h"
#include "nmea/NmeaFramer.h"
#include "nmea/ReceiverState.h"

#include <string>
#include <string_view>
#include <vector>

// The application's own framer and decoders, RMC included.
struct Decoder {
    ReceiverState state;
    DecodeSettings settings;
    NmeaFramer framer{state, settings};

    Decoder() { settings.useRMC = 1; }
    void Feed(std::string_view bytes) { framer.Feed(bytes); }
};

inline SimConfig TestConfig(uint64_t seed = 7) {
    SimConfig config;
    config.seed = seed;
    return config;
}

// The fields of the first sentence with this address, checksum cut off;
// empty when there is none.
inline std::vector<std::string> FieldsOf(std::string_view output, std::string_view address) {
    for (std::string_view line : Split(output, '\n')) {
        const auto fields = Split(line.substr(0, line.find('*')), ',');
        if (line.starts_with('$') && fields[0].substr(1) == address)
            return {fields.begin() + 1, fields.end()};
    }
    return {};
}
