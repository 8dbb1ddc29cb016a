#include "nmea/ReceiverState.h"

#include <gtest/gtest.h>

#include <future>
#include <thread>

namespace {

// The reply queue: the framer's test.
TEST(ReceiverState, ClearFixZeroesTheFixButNotTheSky) {
    ReceiverState state;
    {
        StateWriter w(state, StateGroup::Nav | StateGroup::Sat | StateGroup::Dop);
        w.Nav() = {.latitude = 1,
                   .longitude = 2,
                   .altitude = 3,
                   .fixQuality = 1,
                   .hour = 4,
                   .horizontalError = 5,
                   .verticalError = 6};
        w.Sat().satellitesInView = 7;
        w.Sat().satellites[0] = {.prn = 5, .snr = 40, .snrAux = 40, .usedInFix = 1};
        w.Dop() = {.pdop = 1.5, .fixMode = 3};
    }
    state.ClearFix();
    EXPECT_EQ(state.CopyNav(), (NavGroup{.fixQuality = 1, .hour = 4}));
    EXPECT_EQ(std::tuple(state.GetSatellitesInView(), state.GetFixMode(), state.GetPDOP(),
                         state.CopySat().satellites[0]),
              std::tuple(0, 0, 1.5, SatelliteInfo{.prn = 5, .snr = 40}));
}

// A lock that is never released must not hang readers or writers forever:
// they give up after about three seconds and leave the caller's values alone,
// or give the last value read (a count that fell to 0 would look like news).
TEST(ReceiverState, AStuckLockTimesOutWithoutReadingTheGroup) {
    ReceiverState state;
    StateWriter(state, StateGroup::Sat).Sat().satellitesInView = 7;
    ASSERT_EQ(state.GetSatellitesInView(), 7);
    std::promise<void> held, release;
    std::thread holder([&] {
        StateWriter w(state, StateGroup::Sat);
        held.set_value();
        release.get_future().wait();
    });
    held.get_future().wait();

    SatelliteTable table{};
    table[0].prn = 99;
    const auto start = std::chrono::steady_clock::now();
    state.CopySatelliteTable(table);
    const bool writerGotIn =
        static_cast<bool>(StateWriter(state, StateGroup::Nav | StateGroup::Sat));
    const auto waited = std::chrono::steady_clock::now() - start;
    const bool navFreeAgain = static_cast<bool>(StateWriter(state, StateGroup::Nav));
    const int inView = state.GetSatellitesInView();
    release.set_value();
    holder.join();

    EXPECT_EQ(table[0].prn, 99);
    EXPECT_FALSE(writerGotIn);
    EXPECT_EQ(inView, 7);
    EXPECT_TRUE(navFreeAgain);                  // a failed writer gives back what it had taken
    EXPECT_GE(waited, std::chrono::seconds(5)); // two bounded waits
    EXPECT_LT(waited, std::chrono::seconds(30));
}

} // namespace
