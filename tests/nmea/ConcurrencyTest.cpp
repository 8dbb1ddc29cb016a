// The receive thread decodes at full speed while user-interface threads read
// every accessor. Run under ThreadSanitizer as well as normally: besides data
// races, it checks that a reader only ever sees what one decoder finished.

#include "support/Feed.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <future>
#include <thread>

namespace {

using namespace std::chrono_literals;

// One cycle in which every value written by one sentence equals v, so a reader
// can tell a torn copy from a whole one.
std::string Cycle(int v) {
    const std::string n = std::to_string(v);
    char lat[32];
    std::snprintf(lat, sizeof lat, "%02d00.000", v);
    std::string out = NmeaSentence("GPGGA,1200" + std::to_string(10 + v % 50) + "," + lat + ",N,0" +
                                   lat + ",E,1,08,0.9," + n + ",M,,M,,") +
                      NmeaSentence("GPGSA,A,3,01,02,03,,,,,,,,,," + n + "," + n + "," + n);
    std::string polys = "POLYS,8";
    for (int i = 1; i <= 8; ++i)
        polys.append(",").append(std::to_string(i)).append(",U," + n + "," + n + "," + n + ",0");
    out += NmeaSentence(polys) + NmeaSentence("POLYT,1,2,3,4," + n + ",5," + n + ",7," + n) +
           NmeaSentence("PZEKR,CYCLE," + n);
    if (v % 7 == 0) out += NmeaSentence("POLYN,EPH," + std::to_string(v % 32 + 1));
    return out;
}

TEST(Concurrency, ReadersSeeOnlyWholeUpdatesWhileDecodingRuns) {
    ReceiverState state;
    DecodeSettings settings;
    std::atomic<bool> done{false};
    std::atomic<int> torn{0}, reads{0};
    unsigned passes = 0;

    // At least 60 passes, and on until the readers have had their turns: a
    // busy machine may start them late.
    std::thread receive([&] {
        NmeaFramer framer(state, settings);
        std::string input;
        for (int v = 1; v < 90; ++v)
            input += Cycle(v);
        const auto end = std::chrono::steady_clock::now() + 10s;
        for (; passes < 60 || (reads < 300 && std::chrono::steady_clock::now() < end); ++passes)
            framer.Feed(input);
        done = true;
    });

    // Every accessor is called (for ThreadSanitizer); the groups' values must be whole.
    auto reader = [&](int which) {
        double sink = 0, lat = 0, lon = 0, alt = 0, value = 0; // sink: reads are not optimised away
        int h, m, s;
        SatelliteTable table;
        while (!done) {
            state.GetPosition(lat, lon, alt);
            state.CopySatelliteTable(table);
            const bool eight = state.GetSatellitesInView() == 8 && table[0].prn != 0;
            const DopGroup dop = state.CopyDop();
            const ClockGroup clock = state.CopyClock();
            torn += lat != lon || dop.pdop != dop.hdop || dop.hdop != dop.vdop ||
                    clock.gpsTime != clock.clockDrift ||
                    (eight && std::any_of(table.begin() + 1, table.begin() + 8,
                                          [&](auto& row) { return row.snr != table[0].snr; }));
            state.GetFixTime(h, m, s);
            for (auto get :
                 {&ReceiverState::GetSpeed, &ReceiverState::GetHeading, &ReceiverState::GetGpsTime,
                  &ReceiverState::GetClockDrift, &ReceiverState::GetReceiverMilliseconds})
                sink += ((state.*get)(value), value);
            sink += state.GetPDOP() + state.GetHDOP() + state.GetVDOP() + state.GetFixMode() +
                    state.GetFixQuality() + state.GetPositionUpdateCount() +
                    state.GetSentenceCount() + state.GetHorizontalError() +
                    state.GetVerticalError() + state.GetDifferentialAge() +
                    state.GetDifferentialStation() + state.GetEphemerisNotice(which + 1) +
                    state.GetPolyiLevel();
            if (which == 0) {
                for (const std::string& reply : state.TakeReplies())
                    torn += !reply.starts_with("$PZEKR,CYCLE,");
                state.ClearFix();
                state.SetReceivePaused(reads % 2);
            }
            ++reads;
        }
        EXPECT_TRUE(std::isfinite(sink));
    };
    std::thread a(reader, 0), b(reader, 1), c(reader, 2);
    for (std::thread* t : {&receive, &a, &b, &c})
        t->join();

    EXPECT_EQ(torn, 0);
    EXPECT_GE(reads, 300);
    EXPECT_EQ(state.GetSentenceCount(), passes * (89 * 5 + 12));
}

// Each group has a lock of its own: a writer holding only the position's
// must not hold up readers of the others (a reader on the wrong lock would
// time out after seconds and return zeros).
TEST(Concurrency, EachGroupIsReadUnderItsOwnLock) {
    ReceiverState state;
    Feed(state, {"GPGSA,A,3,04,,,,,,,,,,,,2.5,1.3,2.1", "GPGSV,1,1,01,04,10,100,30",
                 "POLYT,1,2,3,4,345519.000,18,-12.345,0,5123456"});
    std::promise<void> held, release;
    std::thread writer([&] {
        StateWriter w(state, StateGroup::Nav);
        held.set_value();
        release.get_future().wait();
    });
    held.get_future().wait();
    auto copies = std::async(std::launch::async, [&] {
        return std::tuple(state.CopyDop().pdop, state.CopySat().satellites[0].prn,
                          state.CopyClock().gpsTime);
    });
    const bool prompt = copies.wait_for(1s) == std::future_status::ready;
    release.set_value();
    writer.join();
    EXPECT_TRUE(prompt);
    EXPECT_EQ(copies.get(), std::tuple(2.5, 4, 345519.0));
}

} // namespace
