#pragma once

#include <cstdint>

// GPS time runs ahead of UTC by the leap seconds since 1980.
constexpr int kLeapSeconds = 18;

struct CivilTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

struct GpsTime {
    int week = 0;
    int64_t secondsOfWeek = 0;
};

CivilTime ToCivil(int64_t unixSeconds);
GpsTime ToGpsTime(int64_t unixSeconds);
