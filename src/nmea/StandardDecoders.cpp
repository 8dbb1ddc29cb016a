#include "nmea/StandardDecoders.h"

#include "nmea/DecoderHelpers.h"

// $GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47
void DecodeGGA(ReceiverState& state, const NmeaFields& f) {
    StateWriter w(state, StateGroup::Nav);
    if (!w) return;
    NavGroup& nav = w.Nav();
    if (SetTime(nav, f, 0)) --nav.positionUpdateCount;
    SetLatLon(nav, f, 1);
    SetWhole(nav.fixQuality, f, 5);
    SetReal(nav.altitude, f, 8);
    if (!f.Get(10).empty()) nav.altitude += ParseReal(f.Get(10)); // geoid separation
    SetReal(nav.differentialAge, f, 12);
    SetWhole(nav.differentialStation, f, 13);
    ++nav.positionUpdateCount;
}

// $GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39
void DecodeGSA(ReceiverState& state, const NmeaFields& f) {
    StateWriter w(state, StateGroup::Dop);
    if (!w) return;
    state.SetRestartNotified(0);
    DopGroup& dop = w.Dop();
    const int mode = WholeOrZero(f, 1);
    dop.fixMode = (mode == 2 || mode == 3) ? mode : 1;
    dop.usedByPrn.fill(0);
    for (int slot = 2; slot <= 13; ++slot) {
        const int prn = WholeOrZero(f, slot);
        if (IsGpsPrn(prn)) dop.usedByPrn[prn] = 1;
    }
    SetReal(dop.pdop, f, 14);
    SetReal(dop.hdop, f, 15);
    SetReal(dop.vdop, f, 16);
}

// $GPGSV,3,2,11,14,25,170,00,16,57,208,39,18,67,296,40,19,40,246,00*74
// Message k of a group writes rows 4(k-1) .. 4(k-1)+3; the used flags come from
// the last GSA, so the Dop group is read under its own lock.
void DecodeGSV(ReceiverState& state, const NmeaFields& f) {
    const std::string_view number = f.Get(1);
    if (number.empty() || number.front() < '1' || number.front() > '9') return;
    const int firstRow = 4 * (number.front() - '1');

    StateWriter w(state, StateGroup::Sat | StateGroup::Dop);
    if (!w) return;
    state.SetRestartNotified(0);
    SatGroup& sat = w.Sat();
    SetWhole(sat.satellitesInView, f, 2);
    for (int j = 0; j < 4 && firstRow + j < kMaxSatellites; ++j) {
        SatelliteInfo& row = sat.satellites[firstRow + j];
        const int b = 3 + 4 * j;
        row.prn = WholeOrZero(f, b);
        row.elevation = WholeOrZero(f, b + 1);
        row.azimuth = WholeOrZero(f, b + 2);
        row.snr = WholeOrZero(f, b + 3);
        if (!IsGpsPrn(row.prn)) continue;
        row.usedInFix = w.Dop().usedByPrn[row.prn];
        if (row.usedInFix == 1) row.tracked = 1;
    }
}

// $GPRMC,225446,A,4916.45,N,12311.12,W,000.5,054.7,191194,020.3,E*68
// The status (field 1) is not looked at: a void fix decodes like a valid one.
void DecodeRMC(ReceiverState& state, const NmeaFields& f) {
    StateWriter w(state, StateGroup::Nav);
    if (!w) return;
    NavGroup& nav = w.Nav();
    SetTime(nav, f, 0);
    SetLatLon(nav, f, 2);
    SetReal(nav.speedKnots, f, 6);
    SetReal(nav.heading, f, 7);
    ++nav.positionUpdateCount;
}

// $GPRRE,05,04,1.2,05,-0.4,09,0.8,12,2.1,24,-1.0,4.5,7.2*..
// n residual pairs, then the horizontal and vertical error estimates; the
// estimates count only with more than four satellites.
void DecodeRRE(ReceiverState& state, const NmeaFields& f) {
    StateWriter w(state, StateGroup::Nav);
    if (!w) return;
    const int n = WholeOrZero(f, 0);
    if (n <= 4 || n > 125) return; // no data text is long enough for more pairs
    SetReal(w.Nav().horizontalError, f, 2 * n + 1);
    SetReal(w.Nav().verticalError, f, 2 * n + 2);
}
