#include "InspectReport.h"

#include "nmea/NmeaFields.h"
#include "nmea/ReceiverState.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace InspectReport {

std::string Number(double value, int minDecimals) {
    if (!std::isfinite(value)) return "null";
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value);
    std::string out(text, result.ptr);
    if (minDecimals <= 0 || out.find_first_of("eE") != std::string::npos) return out;
    size_t point = out.find('.');
    if (point == std::string::npos) {
        point = out.size();
        out += '.';
    }
    const int decimals = static_cast<int>(out.size() - point - 1);
    if (decimals < minDecimals) out.append(static_cast<size_t>(minDecimals - decimals), '0');
    return out;
}

std::string Fix(const ReceiverState& state) {
    const NavGroup nav = state.CopyNav();
    const DopGroup dop = state.CopyDop();
    char time[16];
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", nav.hour, nav.minute, nav.second);
    std::string out = "{\"type\":\"fix\",\"n\":" + std::to_string(state.GetSentenceCount());
    out += ",\"time\":\"" + std::string(time) + "\"";
    out += ",\"lat\":" + Number(nav.latitude, 9) + ",\"lon\":" + Number(nav.longitude, 9);
    out += ",\"alt\":" + Number(nav.altitude);
    out += ",\"quality\":" + std::to_string(nav.fixQuality);
    out += ",\"mode\":" + std::to_string(dop.fixMode);
    out += ",\"pdop\":" + Number(dop.pdop) + ",\"hdop\":" + Number(dop.hdop) +
           ",\"vdop\":" + Number(dop.vdop);
    out += ",\"speed\":" + Number(nav.speedKnots) + ",\"heading\":" + Number(nav.heading) + "}";
    return out;
}

std::string Sky(const ReceiverState& state) {
    const SatGroup sat = state.CopySat();
    std::string out = "{\"type\":\"sky\",\"n\":" + std::to_string(state.GetSentenceCount());
    out += ",\"in_view\":" + std::to_string(sat.satellitesInView) + ",\"satellites\":[";
    const int rows = std::clamp(sat.satellitesInView, 0, kMaxSatellites);
    for (int i = 0; i < rows; ++i) {
        const SatelliteInfo& s = sat.satellites[i];
        char row[160];
        std::snprintf(row, sizeof row,
                      "%s{\"prn\":%d,\"el\":%d,\"az\":%d,\"snr\":%d,\"used\":%d,\"tracked\":%d}",
                      i ? "," : "", s.prn, s.elevation, s.azimuth, s.snr, s.usedInFix, s.tracked);
        out += row;
    }
    return out + "]}";
}

std::string Summary(unsigned sentences, unsigned checksumErrors, unsigned dropped) {
    return "{\"type\":\"summary\",\"sentences\":" + std::to_string(sentences) +
           ",\"checksum_errors\":" + std::to_string(checksumErrors) +
           ",\"dropped\":" + std::to_string(dropped) + "}";
}

bool CompletesSky(std::string_view address, std::string_view data) {
    if (address == "POLYS") return true;
    const NmeaFields f(data);
    if (address == "PASHR") return f.Get(0) == "SAT";
    if (address.size() < 3 || address.substr(2) != "GSV") return false;
    const std::string_view total = f.Get(0), number = f.Get(1);
    return !number.empty() && number.front() >= '1' && number.front() <= '9' && number == total;
}

} // namespace InspectReport
