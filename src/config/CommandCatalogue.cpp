#include "config/CommandCatalogue.h"

#include <array>

namespace {

// Texts that more than one entry shares.
constexpr std::string_view kSatelliteRange =
    "Sets the fewest and the most satellites the receiver uses in a position solution. "
    "Fields: minimum, maximum (default 3 and 12).";
constexpr std::string_view kElevationMask =
    "Satellites below this elevation are not used in the solution. Field: mask angle in "
    "degrees above the horizon (default 5).";
constexpr std::string_view kInitialTime =
    "Gives the receiver an approximate time and date, which shortens its search for "
    "satellites. Fields: uncertainty in seconds (300), time zone (GMT), day, month, year, "
    "hours, minutes, seconds.";
constexpr std::string_view kDynamics =
    "Tells the receiver how the antenna moves (from standing still to fast vehicles), so it "
    "filters the solution to suit. Field: dynamics class (default 3).";
constexpr std::string_view kPortRequest =
    "Asks which of the receiver's ports this is; the reply names the port and its settings.";
constexpr std::string_view kHotStart =
    "Restarts the receiver keeping its almanac, ephemeris, position and time: the first fix "
    "comes quickly (hot start).";
constexpr std::string_view kColdStart =
    "Restarts the receiver with its default configuration and without stored satellite data: "
    "the first fix takes longest (cold start).";
constexpr std::string_view kWarmStart =
    "Restarts the receiver after clearing its ephemeris; almanac, position and time are kept "
    "(warm start).";
constexpr std::string_view kVersion = "Asks the receiver for its software version.";

constexpr std::array<CatalogueEntry, 30> kKestra{{
    {"RECEIVER ID", "S,RXID,0",
     "Sets the number the receiver identifies itself by. Field: receiver ID (default 0)."},
    {"SOLUTION FIX MODE", "S,FIXM,3",
     "Selects which position solutions the receiver computes (two- or three-dimensional). "
     "Field: fix mode (default 3)."},
    {"TIME TRANSFER MODE", "S,TIMM,2",
     "Selects how the receiver keeps and transfers time when it serves as a time reference. "
     "Field: time mode (default 2)."},
    {"MIN & MAX SATELLITES FOR A  POSITION SOLUTION", "S,MMSV,3,12", kSatelliteRange},
    {"DEAD RECKON LIMIT", "S,DRLM,20",
     "How long the receiver goes on predicting its position after it loses the fix. Field: "
     "limit in epochs (default 20)."},
    {"CABLE DELAY", "S,CABD,30.00",
     "The antenna cable's signal delay, taken off the time solution. Field: delay in "
     "nanoseconds (default 30.00)."},
    {"DIFFERENTIAL INPUT OPTIONS", "S,DIFF,Y,RTCM,N,60,60,60",
     "How differential corrections are taken. Fields: use corrections (Y/N), their format "
     "(RTCM), a further Y/N option, then three time-outs in seconds (default 60 each)."},
    {"SKY SEARCH MODE", "S,SKYS,Y",
     "Y lets the receiver search the whole sky for satellites when it knows of none; N keeps "
     "to the satellites it expects."},
    {"ALMANAC POSITION MODE", "S,ALMN,Y",
     "Y lets the receiver compute positions from almanac data while ephemerides are "
     "missing; N waits for the ephemerides."},
    {"PSEUDORANGE EDIT MODE", "S,PRED,Y",
     "Y leaves out of the solution measurements that disagree with the others; N uses every "
     "measurement."},
    {"SATELLITE ELEVATION MASK", "S,ELVM,5", kElevationMask},
    {"TROPOSPHERIC DELAY MODEL", "S,TROP,3",
     "Selects the model the receiver corrects tropospheric delay with. Field: model number "
     "(default 3)."},
    {"IONOSPHERIC DELAY MODEL", "S,IONO,1",
     "Selects the model the receiver corrects ionospheric delay with. Field: model number "
     "(default 1)."},
    {"POSITION VALIDITY MASK", "S,PMSK,20.0,1800.0",
     "When a position counts as valid. Fields: the largest position error in metres, the "
     "oldest position in seconds (default 20.0 and 1800.0)."},
    {"TIME VALIDITY MASK", "S,TMSK,30.0,18000,1.5",
     "When the receiver's time counts as valid. Fields: the three limits of the time mask "
     "(default 30.0, 18000 and 1.5)."},
    {"RECEIVER DYNAMICS", "S,PLAT,3", kDynamics},
    {"RECEIVER DATUM", "S,DATM,0",
     "Selects the datum positions are given in. Field: datum number (default 0)."},
    {"USER DEFINED UTM ZONE", "S,UTMZ,0",
     "Sets the UTM zone grid positions are given in. Field: zone number (default 0)."},
    {"UTM GRID", "S,GRID,0",
     "Selects the grid positions are given in. Field: grid number (default 0)."},
    {"INITIAL TIME AND DATE", "S,ITIM,300,GMT,25,9,1999,16,00,00", kInitialTime},
    {"INITIAL XYZ CARTESIAN POSITION", "S,IXYZ,3913327.5,-63629.3,5019393.9,999.0",
     "Gives an approximate position, which shortens the search for satellites. Fields: X, Y "
     "and Z from the Earth's centre in metres, then the uncertainty in metres (999.0)."},
    {"INITIAL LAT LONG HEIGHT", "S,ILLH,52,14,28.301,N,0,55,53.24,W,123.45,0,100",
     "Gives an approximate position, which shortens the search for satellites. Fields: "
     "latitude degrees, minutes, seconds, N/S; longitude degrees, minutes, seconds, E/W; "
     "height in metres; then two further values (default 0 and 100)."},
    {"PORT COMMUNICATIONS PARAMETERS", "S,U1CM,19.2k,19200,N,1",
     "Sets the line settings of port 1. Fields: speed name, speed in baud, parity (N: none), "
     "stop bits. Change Harrowview's port speed to match afterwards."},
    {"PORT INPUT LANGUAGE", "S,U1IP,NMEA",
     "Sets the language port 1 takes commands in. Field: language (NMEA)."},
    {"PORT OUTPUT LANGUAGE", "S,U1OP,NMEA,ALL=0,GGA=1,GSA=1,GSV=1,PLP=1",
     "Sets the language and the sentences port 1 sends. Fields: language, then SENTENCE=RATE "
     "pairs; ALL=0 first turns every sentence off."},
    {"PORT REQUEST", "Q,PORT", kPortRequest},
    {"RESET RECEIVER (HOT START)", "S,RSET", kHotStart},
    {"RESET RECEIVER, SET DEFAULT CONFIGURATION (COLD START)", "S,RSET,CONFIG", kColdStart},
    {"RESET RECEIVER, CLEAR EPHEMERIS (WARM START)", "S,RSET,EPH", kWarmStart},
    {"SOFTWARE VERSION REQUEST", "Q,VERS", kVersion},
}};

constexpr std::array<CatalogueEntry, 17> kKestra3000{{
    {"NETWORK ASSISTANCE TIME ERROR (Y/N,us,rms)", "S,NATE,Y,0,10",
     "The error of the time the network gives the receiver. Fields: use it (Y/N), time error "
     "in microseconds, its rms in microseconds (default Y, 0, 10)."},
    {"NETWORK ASSISTANCE FREQUENCY ERROR (Y/N,ppm,max)", "S,NAFE,Y,0.000,0.100",
     "The error of the frequency reference the network gives. Fields: use it (Y/N), error in "
     "ppm, largest error in ppm (default Y, 0.000, 0.100)."},
    {"NETWORK ASSISTANCE POSITION ERROR (dN,dE,dV,maxH,maxV)", "S,NAPE,2887,0,35,3000,150",
     "The error of the position the network gives. Fields: offsets north, east and up, then "
     "the largest horizontal and vertical error, all in metres."},
    {"DUTY CYCLE MODE TEST CONFIGURATION  (On msec, Off msec)", "S,DCYC,0,0",
     "Runs the receiver in turns on and off to test power saving. Fields: on time, off time, "
     "in milliseconds (0 and 0: always on)."},
    {"MINIMUM CNO  - LIMIT FOR A SV TO BE INCLUDED IN THE SOLUTION", "S,MCNO,30",
     "Weaker satellites are left out of the solution. Field: the least carrier-to-noise "
     "ratio in dB-Hz (default 30)."},
    {"DR LIMIT (epochs) - LIMIT FOR FORWARD PREDICTIVE DEAD RECKONING", "S,DRLM,10",
     "How long the receiver goes on predicting its position after it loses the fix. Field: "
     "limit in epochs (default 10)."},
    {"MIN & MAX SATELLITES FOR A POSITION SOLUTION", "S,MMSV,3,12", kSatelliteRange},
    {"MINIMUM CARRIER LOCK TIME (msec) FOR A SV TO BE INCLUDED", "S,MLCK,100",
     "A satellite joins the solution once its carrier has been tracked this long. Field: "
     "lock time in milliseconds (default 100)."},
    {"RECEIVER DYNAMICS ", "S,DYNA,3", kDynamics},
    {"SATELLITE ELEVATION MASK (degrees)", "S,ELVM,5", kElevationMask},
    {"INITIAL TIME AND DATE", "S,ITIM,300,GMT,25,9,1999,16,00,00", kInitialTime},
    {"INTERMITTENT OPERATION COMMAND.", "S,INTM,1,1,1,100,100",
     "Makes the receiver wake, fix and sleep in turns to save power. Fields: the five "
     "settings of the cycle (default 1, 1, 1, 100, 100)."},
    {"PORT REQUEST, WHAT PORT IS THIS", "Q,PORT", kPortRequest},
    {"RECEIVER RESET (HOT START)", "S,RSET", kHotStart},
    {"RECEIVER RESET, SET DEFAULT CONFIG (COLD START)", "S,RSET,CONFIG", kColdStart},
    {"RECEIVER RESET, EHEMERIS (WARM START)", "S,RSET,EPH", kWarmStart},
    {"RECEIVER SOFTWARE VERSION REQUEST", "Q,VERS", kVersion},
}};

const CatalogueEntry* EntryFor(int model, int index) {
    const std::span<const CatalogueEntry> entries = CatalogueFor(model);
    if (index < 0 || static_cast<size_t>(index) >= entries.size()) return nullptr;
    return &entries[static_cast<size_t>(index)];
}

} // namespace

std::span<const CatalogueEntry> CatalogueFor(int model) {
    if (model >= 0 && model <= 2) return kKestra;
    if (model == 3) return kKestra3000;
    return {};
}

std::optional<std::string> DefaultCommand(int model, int index) {
    const CatalogueEntry* entry = EntryFor(model, index);
    if (!entry) return std::nullopt;
    return std::string(kCommandPrefix).append(entry->body);
}

std::string_view HelpTopic(int model, int index) {
    const CatalogueEntry* entry = EntryFor(model, index);
    return entry ? entry->help : std::string_view{};
}
