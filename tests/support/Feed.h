#pragma once

#include "nmea/DecodeSettings.h"
#include "nmea/NmeaChecksum.h"
#include "nmea/NmeaFramer.h"
#include "nmea/ReceiverState.h"

#include <initializer_list>
#include <string>

// Feeds sentence bodies (without "$" and checksum) through the real framer.
inline void Feed(ReceiverState& state, std::initializer_list<std::string> bodies,
                 const DecodeSettings& settings = DecodeSettings{}) {
    NmeaFramer framer(state, settings);
    for (const std::string& body : bodies)
        framer.Feed(NmeaSentence(body));
}
