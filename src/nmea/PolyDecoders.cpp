#include "nmea/DecoderHelpers.h"
#include "nmea/ProprietaryDecoders.h"

namespace {

constexpr double kKphToKnots = 0.5399568034557235;
constexpr double kMaxHdop = 4.0;
constexpr double kMaxHorizontalError = 600.0;

struct NavStatus {
    int quality; // -1 leaves fixQuality unchanged
    int mode;
};

NavStatus StatusOf(std::string_view s) {
    const char first = s.empty() ? '\0' : s[0];
    const char second = s.size() > 1 ? s[1] : '\0';
    if (first == 'N' && second == 'F') return {0, 0};
    if (first == 'T' && second == 'T') return {1, 3};
    if (first == 'G') return {1, second == '2' ? 2 : second == '3' ? 3 : 0};
    if (first == 'D' && second == 'R') return {6, 1};
    if (first == 'D') return {2, second == '2' ? 2 : second == '3' ? 3 : 0};
    return {-1, 0};
}

} // namespace

// $POLYA,123519.00,4807.0380,N,01131.0000,E,1,08,0.9,592.3,M,46.9,M,1.0,0012,3.5,5.1*..
void DecodePOLYA(ReceiverState& state, const NmeaFields& f) {
    StateWriter w(state, StateGroup::Nav);
    if (!w) return;
    NavGroup& nav = w.Nav();
    SetTime(nav, f, 0);
    SetLatLon(nav, f, 1);
    SetWhole(nav.fixQuality, f, 5);
    SetReal(nav.altitude, f, 8); // already above the ellipsoid
    SetReal(nav.differentialAge, f, 12);
    SetWhole(nav.differentialStation, f, 13);
    SetReal(nav.horizontalError, f, 14);
    SetReal(nav.verticalError, f, 15);
    ++nav.positionUpdateCount;
}

// $POLYP,123519.00,4807.0380,N,01131.0000,E,592.3,G3,15.0,22.0,0.5,54.7,0,1.0,1.2,1.9,2.2,,*..
//  6 navigation status, 7/8 error estimates (m), 9 speed km/h, 13/14/15 HDOP/VDOP/PDOP.
// A fix with HDOP above 4 or a horizontal error above 600 m is rejected.
bool DecodePOLYP(ReceiverState& state, const NmeaFields& f, std::span<char> data) {
    StateWriter w(state, StateGroup::Nav | StateGroup::Dop);
    if (!w) return false;
    NavGroup& nav = w.Nav();
    DopGroup& dop = w.Dop();
    if (SetTime(nav, f, 0)) --nav.positionUpdateCount;
    SetLatLon(nav, f, 1);
    SetReal(nav.altitude, f, 5);
    const NavStatus status = StatusOf(f.Get(6));
    if (status.quality >= 0) nav.fixQuality = status.quality;
    dop.fixMode = status.mode;
    SetReal(nav.horizontalError, f, 7);
    SetReal(nav.verticalError, f, 8);
    if (!f.Get(9).empty()) nav.speedKnots = ParseReal(f.Get(9)) * kKphToKnots;
    SetReal(nav.heading, f, 10);
    SetReal(nav.differentialAge, f, 12);
    SetReal(dop.hdop, f, 13);
    SetReal(dop.vdop, f, 14);
    SetReal(dop.pdop, f, 15);

    ++nav.positionUpdateCount;
    if (dop.hdop <= kMaxHdop && nav.horizontalError <= kMaxHorizontalError) return false;
    nav.fixQuality = 0;
    if (f.Get(6).size() != 2) return false;
    const size_t at = f.EndOf(6) - 2;
    data[at] = 'N';
    data[at + 1] = 'F';
    return true;
}

// $POLYS,2,05,U,123,45,42,0,12,e,300,10,31,0*..
// Per satellite: PRN, status ('U' used, 'e' not tracked), azimuth, elevation,
// SNR, and one unused field.
void DecodePOLYS(ReceiverState& state, const NmeaFields& f) {
    StateWriter w(state, StateGroup::Sat | StateGroup::Dop);
    if (!w) return;
    state.SetRestartNotified(0);
    SatGroup& sat = w.Sat();
    DopGroup& dop = w.Dop();
    SetWhole(sat.satellitesInView, f, 0);
    const int count = sat.satellitesInView;
    dop.usedByPrn.fill(0);
    for (SatelliteInfo& row : sat.satellites)
        row.snrAux = row.usedInFix = 0;
    if (count < 1 || count > kMaxPrn) return;

    for (int i = 0; i < count; ++i) {
        const int b = 1 + 6 * i;
        const int prn = WholeOrZero(f, b);
        if (prn < 0 || prn > kMaxPrn) continue;
        SatelliteInfo& row = sat.satellites[i];
        row.prn = prn;
        const std::string_view status = f.Get(b + 1);
        if (!status.empty()) {
            if (status.front() == 'U' && IsGpsPrn(prn)) dop.usedByPrn[prn] = 1;
            row.tracked = status.front() == 'e' ? 0 : 1;
        }
        row.usedInFix = dop.usedByPrn[prn];
        row.azimuth = WholeOrZero(f, b + 2);
        row.elevation = WholeOrZero(f, b + 3);
        row.snr = row.snrAux = WholeOrZero(f, b + 4);
    }
}

// $POLYT,123519.00,071206,2,1432,345519.000,18,-12.345,0,5123456*..
// 4 GPS time, 6 clock drift (ns/s), 8 the receiver's millisecond count.
void DecodePOLYT(ReceiverState& state, const NmeaFields& f) {
    StateWriter w(state, StateGroup::Clock);
    if (!w) return;
    state.SetRestartNotified(0);
    ClockGroup& clock = w.Clock();
    clock.gpsTime = ParseReal(f.Get(4));
    clock.clockDrift = ParseReal(f.Get(6));
    clock.receiverMilliseconds = ParseReal(f.Get(8));
}

// $POLYN,EPH,12*..   (a burst follows every receiver restart)
// The first notice after ordinary output clears the fix and the notice tables
// once; the rest of the burst only sets flags.
void DecodePOLYN(ReceiverState& state, const NmeaFields& f) {
    if (state.GetRestartNotified() == 0) {
        StateWriter w(state,
                      StateGroup::Nav | StateGroup::Sat | StateGroup::Dop | StateGroup::Clock);
        if (!w) return;
        w.Nav().latitude = w.Nav().longitude = w.Nav().altitude = 0;
        w.Sat().satellitesInView = 0;
        w.Dop().fixMode = 0;
        w.Clock().receiverMilliseconds = 0;
        state.ClearNotices();
        state.SetRestartNotified(1);
    }
    const std::string_view type = f.Get(0);
    const int prn = WholeOrZero(f, 1);
    if (type == "EPH") state.SetEphemerisNotice(prn);
    if (type == "ALM") state.SetAlmanacNotice(prn);
}

// $POLYI,J,27*..   the level is the two characters two places after the first
// ',', 'J' or 'N' of the data text.
void DecodePOLYI(ReceiverState& state, std::string_view data) {
    data = data.substr(0, data.find('\0'));
    const size_t mark = data.find_first_of(",JN");
    const size_t at = mark == std::string_view::npos ? data.size() : mark + 2;
    state.SetPolyiLevel(at < data.size() ? ParseWhole(data.substr(at, 2)) : 0);
}
