#include "GpsTime.h"

#include <ctime>

namespace {

constexpr int64_t kGpsEpochUnix = 315964800; // 1980-01-06 00:00:00 UTC
constexpr int64_t kSecondsPerWeek = 7 * 86400;

} // namespace

CivilTime ToCivil(int64_t unixSeconds) {
    const std::time_t t = static_cast<std::time_t>(unixSeconds);
    std::tm parts{};
    gmtime_r(&t, &parts);
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
            parts.tm_hour,        parts.tm_min,     parts.tm_sec};
}

GpsTime ToGpsTime(int64_t unixSeconds) {
    const int64_t gps = unixSeconds - kGpsEpochUnix + kLeapSeconds;
    return {static_cast<int>(gps / kSecondsPerWeek), gps % kSecondsPerWeek};
}
