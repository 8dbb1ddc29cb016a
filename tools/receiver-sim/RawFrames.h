#pragma once

#include "EpochReport.h"

#include <string>

// Debug output: raw frames instead of NMEA. A frame is one type letter, its
// payload as upper-case hex pairs (big-endian fields), one more hex pair with
// the XOR of the payload bytes, then the record separator 0x1E.
//   T  time:      u32 receiver ms, u16 GPS week, u32 GPS time of week in ms
//   P  position:  u8 status (0 none, 2 2D, 3 3D), i32 latitude and i32
//                 longitude in 1e-7 degrees, i32 height in cm, u16
//                 horizontal error estimate in dm
//   S  satellite: u8 PRN, u8 flags (1 tracked, 2 used), u8 SNR, i8
//                 elevation, u16 azimuth
constexpr char kFrameSeparator = '\x1E';

// T, P, then one S per satellite in view.
std::string EpochFrames(const EpochReport& report);
