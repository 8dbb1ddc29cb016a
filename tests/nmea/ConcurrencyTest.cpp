// The receive thread decodes at full speed while user-interface threads read
// every accessor. Run under ThreadSanitizer as well as normally: besides data
// races, it checks that a reader only ever sees what one decoder finished.

#include "support/Feed.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdio>
#include <thread>

namespace {

// One cycle in which every value written by one sentence equals v, so a reader
// can tell a torn copy from a whole one.
std::string Cycle(int v) {
    char lat[32];
    std::snprintf(lat, sizeof lat, "%02d00.000", v);
    std::string out;
    out += NmeaSentence("GPGGA,1200" + std::to_string(10 + v % 50) + "," + lat + ",N,0" + lat +
                        ",E,1,08,0.9," + std::to_string(v) + ",M,,M,,");
    out += NmeaSentence("GPGSA,A,3,01,02,03,,,,,,,,,," + std::to_string(v) + "," +
                        std::to_string(v) + "," + std::to_string(v));
    std::string polys = "POLYS,8";
    for (int i = 1; i <= 8; ++i)
        polys += "," + std::to_string(i) + ",U," + std::to_string(v) + "," + std::to_string(v) +
                 "," + std::to_string(v) + ",0";
    out += NmeaSentence(polys);
    out += NmeaSentence("POLYT,1,2,3,4," + std::to_string(v) + ",5," + std::to_string(v) + ",7," +
                        std::to_string(v));
    out += NmeaSentence("PZEKR,CYCLE," + std::to_string(v));
    if (v % 7 == 0) out += NmeaSentence("POLYN,EPH," + std::to_string(v % 32 + 1));
    return out;
}

TEST(Concurrency, ReadersSeeOnlyWholeUpdatesWhileDecodingRuns) {
    ReceiverState state;
    DecodeSettings settings;
    std::atomic<bool> done{false};
    std::atomic<int> torn{0}, reads{0};

    std::thread receive([&] {
        NmeaFramer framer(state, settings);
        std::string input;
        for (int v = 1; v < 90; ++v)
            input += Cycle(v);
        for (int pass = 0; pass < 60; ++pass)
            framer.Feed(input);
        done = true;
    });

    auto reader = [&](int which) {
        double sink = 0; // keeps the reads from being optimised away
        while (!done) {
            double lat = 0, lon = 0, alt = 0;
            state.GetPosition(lat, lon, alt);
            if (lat != lon) ++torn;
            SatelliteTable table;
            state.CopySatelliteTable(table);
            const int inView = state.GetSatellitesInView();
            if (inView == 8)
                for (int i = 1; i < 8; ++i)
                    if (table[i].snr != table[0].snr && table[0].prn != 0) ++torn;
            const DopGroup dop = state.CopyDop();
            if (dop.pdop != dop.hdop || dop.hdop != dop.vdop) ++torn;
            const ClockGroup clock = state.CopyClock();
            if (clock.gpsTime != clock.clockDrift) ++torn;
            sink += state.GetPDOP() + state.GetHDOP() + state.GetVDOP() + state.GetFixMode();
            sink +=
                state.GetFixQuality() + state.GetPositionUpdateCount() + state.GetSentenceCount();
            int h, m, s;
            state.GetFixTime(h, m, s);
            double value;
            state.GetSpeed(value);
            state.GetHeading(value);
            state.GetGpsTime(value);
            state.GetClockDrift(value);
            state.GetReceiverMilliseconds(value);
            sink += state.GetHorizontalError() + state.GetVerticalError() +
                    state.GetDifferentialAge() + state.GetDifferentialStation();
            sink += state.GetEphemerisNotice(which + 1) + state.GetPolyiLevel();
            if (which == 0) {
                for (const std::string& reply : state.TakeReplies())
                    if (reply.rfind("$PZEKR,CYCLE,", 0) != 0) ++torn;
                state.ClearFix();
                state.SetReceivePaused(reads % 2);
            }
            ++reads;
        }
        EXPECT_TRUE(std::isfinite(sink));
    };
    std::thread a(reader, 0), b(reader, 1), c(reader, 2);
    receive.join();
    a.join();
    b.join();
    c.join();

    EXPECT_EQ(torn, 0);
    EXPECT_GT(reads, 100);
    EXPECT_EQ(state.GetSentenceCount(), 60u * (89 * 5 + 12));
}

} // namespace
