#include <algorithm>

#include "nmea/DecoderHelpers.h"
#include "nmea/ProprietaryDecoders.h"

namespace {

// $PASHR,POS,0,06,214414.00,4337.8262,N,01126.8717,E,0034.51,,088.5,000.0,-000.1,02.3,01.3,01.9,00*..
void DecodePosition(ReceiverState& state, const NmeaFields& f) {
    StateWriter w(state, StateGroup::Nav | StateGroup::Dop);
    if (!w) return;
    NavGroup& nav = w.Nav();
    DopGroup& dop = w.Dop();
    const int used = WholeOrZero(f, 2);
    dop.fixMode = used > 3 ? 3 : used == 3 ? 2 : 1;
    nav.fixQuality = 0;
    if (!f.Get(1).empty() && dop.fixMode > 1) nav.fixQuality = ParseWhole(f.Get(1)) != 0 ? 2 : 1;
    SetTime(nav, f, 3);
    SetLatLon(nav, f, 4);
    SetReal(nav.altitude, f, 8);
    SetReal(nav.heading, f, 10);
    SetReal(nav.speedKnots, f, 11);
    SetReal(dop.pdop, f, 13);
    SetReal(dop.hdop, f, 14);
    SetReal(dop.vdop, f, 15);
    ++nav.positionUpdateCount;
}

// $PASHR,SAT,04,03,103,56,50,U,23,225,61,52,U,16,045,22,36,-,19,316,15,35,-*..
// Per satellite: PRN, azimuth, elevation, SNR, status ('U' used).
void DecodeSatellites(ReceiverState& state, const NmeaFields& f) {
    if (f.Get(1).empty()) return;
    StateWriter w(state, StateGroup::Sat | StateGroup::Dop);
    if (!w) return;
    SatGroup& sat = w.Sat();
    DopGroup& dop = w.Dop();
    sat.satellitesInView = ParseWhole(f.Get(1));
    dop.usedByPrn.fill(0);
    for (SatelliteInfo& row : sat.satellites)
        row.snrAux = row.usedInFix = 0;

    const int rows = std::min(sat.satellitesInView, kMaxSatellites);
    for (int i = 0; i < rows; ++i) {
        const int b = 2 + 5 * i;
        const int prn = WholeOrZero(f, b);
        if (!IsGpsPrn(prn)) continue;
        SatelliteInfo& row = sat.satellites[i];
        row.prn = prn;
        const std::string_view status = f.Get(b + 4);
        if (!status.empty() && status.front() == 'U') dop.usedByPrn[prn] = row.tracked = 1;
        row.usedInFix = dop.usedByPrn[prn];
        row.azimuth = WholeOrZero(f, b + 1);
        row.elevation = WholeOrZero(f, b + 2);
        row.snr = WholeOrZero(f, b + 3);
    }
}

} // namespace

// Only the POS and SAT kinds are ours; other PASHR sentences (attitude
// records of inertial units, for one) are ignored.
void DecodePASHR(ReceiverState& state, const NmeaFields& f) {
    const std::string_view kind = f.Get(0);
    if (kind == "POS") DecodePosition(state, f);
    if (kind == "SAT") DecodeSatellites(state, f);
}
