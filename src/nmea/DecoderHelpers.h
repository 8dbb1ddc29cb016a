#pragma once

#include "nmea/FieldConversions.h"
#include "nmea/NmeaFields.h"
#include "nmea/ReceiverState.h"

// Small helpers that keep each decoder a readable table of fields. A field
// that is missing at the end of the sentence leaves the target unchanged.

inline void SetReal(double& target, const NmeaFields& f, int n) {
    const std::string_view field = f.Get(n);
    if (!field.empty()) target = ParseReal(field);
}

inline void SetWhole(int32_t& target, const NmeaFields& f, int n) {
    const std::string_view field = f.Get(n);
    if (!field.empty()) target = ParseWhole(field);
}

// Fields n, n+1 as latitude and hemisphere; then n+2, n+3 as longitude.
inline void SetLatLon(NavGroup& nav, const NmeaFields& f, int n) {
    if (!f.Get(n).empty()) nav.latitude = ParseLatitude(f.Get(n), f.Get(n + 1));
    if (!f.Get(n + 2).empty()) nav.longitude = ParseLongitude(f.Get(n + 2), f.Get(n + 3));
}

// The time of day of field n. Returns true when it repeats the time held
// before (the same fix seen again); a missing field never repeats.
inline bool SetTime(NavGroup& nav, const NmeaFields& f, int n) {
    const std::string_view field = f.Get(n);
    if (field.empty()) return false;
    const TimeOfDay t = ParseTimeOfDay(field);
    const bool repeated = t == TimeOfDay{nav.hour, nav.minute, nav.second};
    nav.hour = t.hour;
    nav.minute = t.minute;
    nav.second = t.second;
    return repeated;
}

// A field as a whole number, or 0 when missing.
inline int WholeOrZero(const NmeaFields& f, int n) {
    return ParseWhole(f.Get(n));
}

inline bool IsGpsPrn(int prn) {
    return prn >= 1 && prn <= kMaxPrn;
}
