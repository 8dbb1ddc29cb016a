#include "RawFrames.h"

#include "GpsTime.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

class FrameWriter {
public:
    explicit FrameWriter(char type) { text.push_back(type); }

    FrameWriter& Put(uint64_t value, int bytes) {
        for (int i = bytes - 1; i >= 0; --i)
            Byte(static_cast<uint8_t>(value >> (8 * i)));
        return *this;
    }
    FrameWriter& PutSigned(int64_t value, int bytes) {
        return Put(static_cast<uint64_t>(value), bytes); // two's complement, cut to size
    }
    std::string Finish() {
        Hex(check);
        text.push_back(kFrameSeparator);
        return std::move(text);
    }

private:
    void Byte(uint8_t b) {
        check ^= b;
        Hex(b);
    }
    void Hex(uint8_t b) {
        static constexpr char kDigits[] = "0123456789ABCDEF";
        text.push_back(kDigits[b >> 4]);
        text.push_back(kDigits[b & 15]);
    }

    std::string text;
    uint8_t check = 0;
};

uint8_t StatusCode(NavStatus s) {
    return s == NavStatus::Fix3D ? 3 : s == NavStatus::Fix2D ? 2 : 0;
}

} // namespace

std::string EpochFrames(const EpochReport& r) {
    const GpsTime gps = ToGpsTime(r.utc);
    std::string out = FrameWriter('T')
                          .Put(r.receiverMilliseconds & 0xFFFFFFFFu, 4)
                          .Put(static_cast<uint64_t>(gps.week), 2)
                          .Put(static_cast<uint64_t>(gps.secondsOfWeek) * 1000, 4)
                          .Finish();
    const bool fix = r.status != NavStatus::NoFix;
    out += FrameWriter('P')
               .Put(StatusCode(r.status), 1)
               .PutSigned(fix ? std::llround(r.latitude * 1e7) : 0, 4)
               .PutSigned(fix ? std::llround(r.longitude * 1e7) : 0, 4)
               .PutSigned(fix ? std::llround(r.height * 100) : 0, 4)
               .Put(fix && r.estimates
                        ? static_cast<uint64_t>(std::min(65535.0, r.horizontalError * 10))
                        : 0,
                    2)
               .Finish();
    for (const SatReport& s : r.satellites) {
        const unsigned flags = (s.tracked ? 1u : 0u) | (s.used ? 2u : 0u);
        out += FrameWriter('S')
                   .Put(static_cast<uint64_t>(s.prn), 1)
                   .Put(flags, 1)
                   .Put(static_cast<uint64_t>(s.snr), 1)
                   .PutSigned(s.elevation, 1)
                   .Put(static_cast<uint64_t>(s.azimuth), 2)
                   .Finish();
    }
    return out;
}
