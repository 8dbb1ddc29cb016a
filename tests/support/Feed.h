#pragma once

#include "nmea/DecodeSettings.h"
#include "nmea/NmeaChecksum.h"
#include "nmea/NmeaFramer.h"
#include "nmea/ReceiverState.h"

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

// Feeds sentence bodies (without "$" and checksum) through the real framer.
inline void Feed(ReceiverState& state, const std::vector<std::string>& bodies,
                 const DecodeSettings& settings = DecodeSettings{}) {
    NmeaFramer framer(state, settings);
    for (const std::string& body : bodies)
        framer.Feed(NmeaSentence(body));
}

// `nav` with each number within 1e-9 of `expected`'s set equal to it, so that
// whole groups compare in spite of rounding.
inline NavGroup Rounded(NavGroup nav, const NavGroup& expected) {
    for (double NavGroup::*m :
         {&NavGroup::latitude, &NavGroup::longitude, &NavGroup::altitude,
          &NavGroup::differentialAge, &NavGroup::horizontalError, &NavGroup::verticalError,
          &NavGroup::speedKnots, &NavGroup::heading})
        if (std::abs(nav.*m - expected.*m) < 1e-9) nav.*m = expected.*m;
    return nav;
}

inline void PrintTo(const NavGroup& n, std::ostream* out) {
    out->precision(12);
    *out << n.latitude << ", " << n.longitude << ", " << n.altitude << " m, quality "
         << n.fixQuality << ", " << n.hour << ":" << n.minute << ":" << n.second << ", update "
         << n.positionUpdateCount << ", station " << n.differentialStation << " age "
         << n.differentialAge << ", errors " << n.horizontalError << "/" << n.verticalError << ", "
         << n.speedKnots << " kn " << n.heading << " deg";
}
