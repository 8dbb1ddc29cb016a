#pragma once

#include "SimConfig.h"
#include "SimReceiver.h"
#include "TextUtil.h"
#include "nmea/DecodeSettings.h"
#include "nmea/NmeaFramer.h"
#include "nmea/ReceiverState.h"

#include <cmath>
#include <numbers>
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
    config.startUtc = 1700000000;
    return config;
}

// One sentence of raw output: the address and the fields, checksum cut off.
struct RawSentence {
    std::string address;
    std::vector<std::string> fields;
};

inline std::vector<RawSentence> Sentences(std::string_view output) {
    std::vector<RawSentence> out;
    for (std::string_view line : Split(output, '\n')) {
        if (!line.starts_with('$')) continue;
        line = line.substr(1, line.find('*') - 1);
        const auto parts = Split(line, ',');
        RawSentence s{std::string(parts[0]), {}};
        for (size_t i = 1; i < parts.size(); ++i)
            s.fields.emplace_back(parts[i]);
        out.push_back(std::move(s));
    }
    return out;
}

// The fields of the first sentence with this address; empty when there is none.
inline std::vector<std::string> FieldsOf(std::string_view output, std::string_view address) {
    for (RawSentence& s : Sentences(output)) {
        if (s.address == address) return s.fields;
    }
    return {};
}

// Metres between two positions close together.
inline double DistanceMetres(double lat1, double lon1, double lat2, double lon2) {
    constexpr double kRad = std::numbers::pi / 180.0;
    const double north = (lat2 - lat1) * kRad * 6378137.0;
    const double east = (lon2 - lon1) * kRad * 6378137.0 * std::cos(lat1 * kRad);
    return std::hypot(north, east);
}
