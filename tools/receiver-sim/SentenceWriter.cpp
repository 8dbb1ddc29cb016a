#include "SentenceWriter.h"

#include "GpsTime.h"
#include "TextUtil.h"

#include <cmath>

namespace {

constexpr int kSatellitesPerGsv = 4;
constexpr int kGsaSlots = 12;

std::string TimeField(const CivilTime& t) {
    return Format("%02d%02d%02d.00", t.hour, t.minute, t.second);
}

std::string DateField(const CivilTime& t) {
    return Format("%02d%02d%02d", t.day, t.month, t.year % 100);
}

// ddmm.mmmm or dddmm.mmmm, then the hemisphere: two fields. Rounded as a
// whole so 59.99995 minutes carries into the degrees.
std::string AngleFields(double degrees, int degreeDigits, char positive, char negative) {
    constexpr long long kUnitsPerDegree = 60 * 10000;
    const long long units = std::llround(std::fabs(degrees) * kUnitsPerDegree);
    return Format("%0*lld%07.4f,%c", degreeDigits, units / kUnitsPerDegree,
                  static_cast<double>(units % kUnitsPerDegree) / 10000.0,
                  degrees < 0 ? negative : positive);
}

// Four fields: latitude, N/S, longitude, E/W; empty without a fix.
std::string PositionFields(const EpochReport& r) {
    if (r.status == NavStatus::NoFix) return ",,,";
    return AngleFields(r.latitude, 2, 'N', 'S') + "," + AngleFields(r.longitude, 3, 'E', 'W');
}

std::string Gga(const EpochReport& r, const std::string& time) {
    if (r.status == NavStatus::NoFix) return "GPGGA," + time + ",,,,,0,00,,,M,,M,,";
    return Format("GPGGA,%s,%s,1,%02d,%.1f,%.1f,M,%.1f,M,,", time.c_str(),
                  PositionFields(r).c_str(), r.UsedCount(), r.hdop, r.height - r.geoidSeparation,
                  r.geoidSeparation);
}

std::string Gsa(const EpochReport& r) {
    const int mode = r.status == NavStatus::Fix3D ? 3 : r.status == NavStatus::Fix2D ? 2 : 1;
    std::string body = Format("GPGSA,A,%d", mode);
    int listed = 0;
    for (const SatReport& s : r.satellites) {
        if (!s.used || listed == kGsaSlots) continue;
        body += Format(",%02d", s.prn);
        ++listed;
    }
    body.append(static_cast<size_t>(kGsaSlots - listed), ',');
    return body + Format(",%.1f,%.1f,%.1f", r.pdop, r.hdop, r.vdop);
}

// Untracked satellites have an empty SNR, as the standard has it.
void AppendGsv(std::vector<std::string>& out, const EpochReport& r) {
    const int inView = static_cast<int>(r.satellites.size());
    const int total = std::max(1, (inView + kSatellitesPerGsv - 1) / kSatellitesPerGsv);
    for (int message = 0; message < total; ++message) {
        std::string body = Format("GPGSV,%d,%d,%02d", total, message + 1, inView);
        const int first = message * kSatellitesPerGsv;
        for (int i = first; i < std::min(inView, first + kSatellitesPerGsv); ++i) {
            const SatReport& s = r.satellites[i];
            body += Format(",%02d,%02d,%03d,", s.prn, s.elevation, s.azimuth);
            if (s.snr > 0) body += Format("%02d", s.snr);
        }
        out.push_back(std::move(body));
    }
}

std::string Rmc(const EpochReport& r, const std::string& time, const std::string& date) {
    if (r.status == NavStatus::NoFix) return "GPRMC," + time + ",V,,,,,,," + date + ",,";
    return Format("GPRMC,%s,A,%s,%.1f,%.1f,%s,,", time.c_str(), PositionFields(r).c_str(),
                  r.speedKmh / 1.852, r.heading, date.c_str());
}

// 2 clock state (2 time from the fix, 1 from the real-time clock), 3 GPS week,
// 4 seconds of week, 5 leap seconds, 6 drift ns/s, 7 unused, 8 milliseconds
// since the last reset.
std::string Polyt(const EpochReport& r, const std::string& time, const std::string& date) {
    const GpsTime gps = ToGpsTime(r.utc);
    return Format("POLYT,%s,%s,%d,%d,%lld.000,%d,%.3f,0,%llu", time.c_str(), date.c_str(),
                  r.timeFromFix ? 2 : 1, gps.week, static_cast<long long>(gps.secondsOfWeek),
                  kLeapSeconds, r.clockDrift,
                  static_cast<unsigned long long>(r.receiverMilliseconds));
}

// The horizontal and vertical error estimates: two fields, empty without them.
std::string EstimateFields(const EpochReport& r) {
    return r.estimates ? Format("%.1f,%.1f", r.horizontalError, r.verticalError) : ",";
}

std::string Polyp(const EpochReport& r, const std::string& time) {
    if (r.status == NavStatus::NoFix) return "POLYP," + time + ",,,,,,NF" + std::string(11, ',');
    const char* status = r.status == NavStatus::Fix3D ? "G3" : "G2";
    return Format("POLYP,%s,%s,%.1f,%s,%s,%.1f,%.1f,0,,%.1f,%.1f,%.1f,,", time.c_str(),
                  PositionFields(r).c_str(), r.height, status, EstimateFields(r).c_str(),
                  r.speedKmh, r.heading, r.hdop, r.vdop, r.pdop);
}

char PolysStatus(const SatReport& s) {
    return s.used ? 'U' : s.tracked ? 't' : 'e';
}

std::string Polys(const EpochReport& r) {
    std::string body = Format("POLYS,%d", static_cast<int>(r.satellites.size()));
    for (const SatReport& s : r.satellites) {
        body += Format(",%02d,%c,%03d,%02d,%02d,0", s.prn, PolysStatus(s), s.azimuth, s.elevation,
                       s.snr);
    }
    return body;
}

std::string Rre(const EpochReport& r) {
    if (r.status == NavStatus::NoFix) return "GPRRE,00,,";
    std::string body = Format("GPRRE,%02d", r.UsedCount());
    for (const SatReport& s : r.satellites) {
        if (s.used) body += Format(",%02d,%.1f", s.prn, s.residual);
    }
    return body + "," + EstimateFields(r);
}

// The interference monitor's level, here the weakest signal in the fix, so
// the signal window's level line runs along the bottom of the used bars.
std::string Polyi(const EpochReport& r) {
    int level = 0;
    for (const SatReport& s : r.satellites)
        if (s.used && (level == 0 || s.snr < level)) level = s.snr;
    return Format("POLYI,J,%02d", level);
}

} // namespace

std::vector<std::string> EpochSentences(const EpochReport& r) {
    const CivilTime civil = ToCivil(r.utc);
    const std::string time = TimeField(civil);
    const std::string date = DateField(civil);
    std::vector<std::string> out;
    out.push_back(Gga(r, time));
    out.push_back(Gsa(r));
    AppendGsv(out, r);
    out.push_back(Rmc(r, time, date));
    out.push_back(Polyt(r, time, date));
    out.push_back(Polyp(r, time));
    out.push_back(Polys(r));
    out.push_back(Rre(r));
    out.push_back(Polyi(r));
    return out;
}

std::string ResetNoticeBody(ResetKind kind) {
    const char* name = kind == ResetKind::Hot ? "HOT" : kind == ResetKind::Warm ? "WARM" : "COLD";
    return Format("POLYN,RSET,%s", name);
}

std::string NoticeBody(const Notice& notice) {
    return Format("POLYN,%s,%02d", notice.kind == NoticeKind::Ephemeris ? "EPH" : "ALM",
                  notice.prn);
}
